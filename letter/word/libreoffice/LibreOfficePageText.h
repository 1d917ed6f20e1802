#pragma once

// A page's words as a screen reader reads them. Internal to letter/word.

#include <QString>

#include <com/sun/star/text/XTextViewCursor.hpp>

#include "UnoHelpers.h"

namespace libreoffice {

// What decides which header and footer a page shows.
struct PageInLayout
{
    int number = 0;            // from 1
    int count = 0;             // the document's pages
    OUString style;            // the page's style
    bool firstOfStyle = false; // the page before has another style, or none
};

// The words of the page the view cursor is on: its header, then the main
// text from the start to the end of the page (tables included, a cell a
// line), then its footer. Each paragraph is a line; a list item begins
// with its label ("• "), and a page number field says this page's number.
// Empty lines are left out. The view cursor is left on the page.
QString pageText(const Reference<lang::XComponent> &model, const Reference<text::XTextViewCursor> &cursor,
                 const PageInLayout &page);

} // namespace libreoffice
