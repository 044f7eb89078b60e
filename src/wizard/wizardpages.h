#pragma once

#include <QString>

namespace harbex {

// The wizard's pages by position. Pages 1 to 15 stand at positions 0 to 14; page 17 comes before
// page 16. The page history and the Options panel's page buttons use these positions.
enum WizardPageIndex : int {
    kPage1 = 0,
    kPage2,
    kPage3,
    kPage4,
    kPage5,
    kPage6,
    kPage7,
    kPage8,
    kPage9,
    kPage10,
    kPage11,
    kPage12,
    kPage13,
    kPage14,
    kPage15,
    kPage17,
    kPage16,
};
constexpr int kWizardPageCount = 17;

struct WizardPageInfo {
    int number;           // the page's own number (Page1 ... Page17)
    const char* heading;  // the caption of the page's title label
    int helpTopic;
    bool switchable;  // in single-page edits its Next reads "Done" and its Last is hidden
};

// The page at a position; positions outside the wizard give page 1.
const WizardPageInfo& PageInfo(int index);
// The position of page number n (1 to 17).
int IndexOfPage(int number);
QString PageHeading(int index);

}  // namespace harbex
