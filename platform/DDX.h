#pragma once

// Dialog data exchange: moving values between a dialog's controls and the
// variables they edit, in either direction, with range validation on the way
// back. A failed check shows a message, puts the focus on the field and stops
// the exchange (CDataExchange::Fail throws; CDialog::UpdateData catches).

class CDialog;
class QWidget;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate);

    // Looks up the control with the given id (and remembers it as the field
    // a later DDV check or Fail refers to).
    QWidget* PrepareCtrl(int id);
    QWidget* PrepareEditCtrl(int id);

    // Puts the focus on the last prepared field and stops the exchange.
    [[noreturn]] void Fail();

    bool m_bSaveAndValidate;  // true: controls to variables (storing)
    CDialog* m_pDlgWnd;

private:
    QWidget* m_pLastControl = nullptr;
};

// Thrown by CDataExchange::Fail; caught by CDialog::UpdateData.
struct DataExchangeFailure {};

// Radio group starting at the button firstId: load selects the button at the
// 0-based position value (none for a position outside the group); store gives
// the position of the selected button, -1 when none is selected.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);

// Edit field as a decimal integer; storing accepts blanks around one optional
// sign and digits, nothing else.
void DDX_Text(CDataExchange* pDX, int id, int& value);

// Edit field as a real number: loads in general format with up to 15
// significant digits; storing accepts blanks around one finite decimal number.
void DDX_Text(CDataExchange* pDX, int id, double& value);

// Edit field as text of at most size - 1 bytes of UTF-8 in a zero-terminated
// buffer; storing refuses longer text with a message naming the limit.
void DDX_Text(CDataExchange* pDX, int id, char* buffer, int size);

// Storing only: the value must lie within [min, max], else the range message
// naming both bounds, the focus on the field last exchanged, and failure.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max);
