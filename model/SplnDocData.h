#pragma once

// The toolkit-free half of the document: the settings of a run, the captions
// of the built-in functions, the plot arrays the view fills and draws, and the
// exact curve of the chosen function, and the approximations kept for comparison.

#include "model/KeptApproximations.h"
#include "model/SplnSettings.h"

#include <string>
#include <vector>

class CSplnDocData : public CSplnSettings {
public:
    CSplnDocData();

    // Overwrites the first m_nCount points of m_arrX and m_arrY with the
    // function at m_nFuncIndex, on abscissae accumulated from -1.0 in steps of
    // m_dLength / (m_nCount - 1). Arrays shorter than m_nCount are grown
    // first; an index outside 0..10 gives the value 0.
    void FillExactCurve();

    // After an accepted Run: room for the run's output points on the whole
    // interval, and the caption and index of the chosen built-in function.
    void SetUpForAcceptedRun();

    // Sizes both arrays to count elements: existing elements are kept, new
    // ones are 0.0, and 0 releases the storage.
    void ResizeArrays(int count);

    // The picture's title: the built-in function's caption, the typed
    // formula, or "Data" for the sample file, followed by the chosen data file's name.
    std::string PictureTitle() const;

    std::vector<double> m_arrX;
    std::vector<double> m_arrY;
    int m_nCount = 0;
    std::string m_strCaptions[11];
    std::string m_strCaption;
    double m_dLength = 2.0;
    int m_nFuncIndex = 0;
    int m_bValid = 0;
    // Approximations kept for comparison, drawn beneath the current one.
    std::vector<spln::KeptApproximation> m_arrKept;
    // The data file chosen with File > Open Data; empty: sig.dat in the
    // current directory. Its samples, when it was read (0: not known).
    std::string m_strDataPath;
    int m_nDataSamples = 0;
};
