#pragma once

// Presents every picture box to assistive technology as a read-only
// document whose text is the box's accessible text (the letter's words on
// the page it shows): a screen reader reads it, by line or word or all at
// once, though the page itself is a picture. Safe to call more than once.
void installPictureBoxAccessibility();
