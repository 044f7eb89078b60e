#include "wizard/wizardpages.h"

#include <array>

namespace harbex {
namespace {

constexpr std::array<WizardPageInfo, kWizardPageCount> kPages = {{
    {1, "Harbex Wizard (Which Files)", 37, false},
    {2, "Harbex Wizard (Types of File)", 38, false},
    {3, "Harbex Wizard (Source Files)", 39, false},
    {4, "Harbex Wizard (Folder Select)", 40, true},
    {5, "Harbex Wizard (Filter Select)", 41, true},
    {6, "Harbex Wizard (Select Locations)", 42, false},
    {7, "Harbex Wizard (Daily Folders)", 43, true},
    {8, "Harbex Wizard (Specific Destinations)", 45, true},
    {9, "Harbex Wizard (File Compression)", 46, false},
    {10, "Harbex Wizard (Compresson Scheme 1)", 47, true},
    {11, "Harbex Wizard (Compresson Scheme 2)", 48, true},
    {12, "Harbex Wizard (Scheduling 1)", 49, true},
    {13, "Harbex Wizard (Scheduling 2)", 50, true},
    {14, "Harbex Wizard (Log Options)", 51, true},
    {15, "Harbex Wizard (Network Drives)", 44, true},
    {17, "Harbex Wizard (Common Files 2)", 129, true},
    {16, "Harbex Wizard (Common Files 1)", 129, false},
}};

}  // namespace

const WizardPageInfo& PageInfo(int index) {
    if (index < 0 || index >= kWizardPageCount) return kPages[0];
    return kPages[static_cast<size_t>(index)];
}

int IndexOfPage(int number) {
    for (int i = 0; i < kWizardPageCount; ++i)
        if (kPages[static_cast<size_t>(i)].number == number) return i;
    return kPage1;
}

QString PageHeading(int index) {
    return QString::fromLatin1(PageInfo(index).heading);
}

}  // namespace harbex
