#pragma once

namespace markwise {

// One printed page as the page loop asks for it, in units that do not depend on the
// printer's resolution, so that a page fits its printable area at any resolution and a
// 300-dpi page comes out exactly as designed:
// - width and height are the printable area in 300-dpi pixels (inches x 300);
// - lineHeight is height + external leading of the print font ("Courier New", modern
//   family, weight 400) at a character height of 200 pixels, measured in those 300-dpi
//   pixels; pixel metrics scale with the pixel size, not the resolution, so any device
//   gives the same number. Layouts use it unchanged as a distance in twips;
// - page counts from 1.
// Layouts give their texts in twips (the print font drawn at 200 twips, 10 points), x from
// the left edge and y growing downward from the top of the printable area: line k stands
// at y = k x lineHeight.
struct PageRequest {
    int width = 0;
    int height = 0;
    int lineHeight = 0;
    int page = 1;
};

// Lines of the print font the printable height holds: trunc(height x 4.7 / lineHeight),
// at most a million; 0 without a height or a line height.
int PrintableLines(const PageRequest& request);

// Which items one page holds when they are paged perPage to a page.
struct PageSlice {
    int pageCount = 0; // pages the items fill; 0 with no items or no room for one
    int firstItem = 0; // first item on the asked page (the item count past the end)
    int itemsOnPage = 0;
    bool morePages = false; // items remain after the asked page
};

// The asked page counts from 1; a page below 1 holds nothing. perPage <= 0 holds nothing.
PageSlice SlicePage(int itemCount, int perPage, int page);

// The print loop's continue flag before a page: a printer stops once a page has reported
// that nothing is left; the preview shows the page count it was given.
inline bool ContinuePrinting(bool morePages, bool previewing) {
    return morePages || previewing;
}

} // namespace markwise
