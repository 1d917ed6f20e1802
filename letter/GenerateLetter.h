#pragma once

#include <QString>

class Messenger;
namespace word { class Automation; }

// What the letter generation needs of the windows: the main window's
// fields and pointer, the page snapshot, and the preview window.
class GenerationHost
{
public:
    virtual ~GenerationHost() = default;
    virtual QString fieldText(int index) const = 0;
    virtual void setFieldText(int index, const QString &text) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    // Renders the document into the snapshot bitmap in the temporary folder.
    virtual void saveDocAsJpg(const QString &document) = 0;
    // The preview window: load the picture (loading the window first),
    // hand over the letter's path, show it; then hide the main window.
    virtual void loadPreviewPicture(const QString &bitmapPath) = 0;
    virtual void setPreviewWordFile(const QString &path) = 0;
    virtual void showPreview() = 0;
    virtual void hideMainWindow() = 0;
};

// "Start Creating Template": fills the built-in template with the fields
// and today's date in a new office instance, saves it as a fresh scratch
// document, has its page rendered, and shows it in the preview window.
// Does nothing while busy is set; sets it for the run and clears it after.
//
// When no office instance can be had or the template cannot be written or
// opened, that one failure is reported and no preview is shown; the
// closing steps (quit, deleting the template copy, the pointer, busy)
// still run.
void GenerateLetter(GenerationHost &host, word::Automation &automation, Messenger &messenger, bool &busy);

// Today's date as the letter shows it: the month's full name in the
// system's language, the day without a leading zero, the year ("March 3,
// 2026").
QString letterDate();

// A fresh scratch document path: "qrenta", eight random digits from 1 to 9,
// ".doc", naming no existing file.
QString newScratchDocumentPath(const QString &temp);
