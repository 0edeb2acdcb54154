#pragma once

// Settings shared by the study tests.

#include "model/SettingsRecord.h"

namespace spln::test {

// The settings the dialog shows on a fresh engine: built-in function 1, projection, no noise.
inline CSplnSettings FreshSettings()
{
    return DefaultSettings();
}

}  // namespace spln::test
