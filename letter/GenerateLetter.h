#pragma once

#include <QDateTime>
#include <QString>

class Messenger;
namespace word { class Automation; struct DocumentProperties; }

// What the letter generation needs of the windows: the main window's
// fields and pointer, the page snapshot, and the preview window.
class GenerationHost
{
public:
    virtual ~GenerationHost() = default;
    virtual QString fieldText(int index) const = 0;
    virtual void setFieldText(int index, const QString &text) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    // Renders the document into the snapshot bitmap in the scratch folder;
    // answers whether the picture was written whole (a failure has been
    // reported then).
    virtual bool saveDocAsJpg(const QString &document) = 0;
    // The preview window: load the picture (loading the window first;
    // throws Failure when the picture cannot be read whole), hand over the
    // letter's path, show it; then hide the main window.
    virtual void loadPreviewPicture(const QString &bitmapPath) = 0;
    virtual void setPreviewWordFile(const QString &path) = 0;
    virtual void showPreview() = 0;
    virtual void hideMainWindow() = 0;
    // The template the letter is made from: a user's file by its path, or
    // empty for the built-in one.
    virtual QString templateFile() const { return {}; }
};

// "Start Creating Template": copies the chosen template (the built-in one
// or the user's file, afresh for every letter) to the temporary folder,
// fills it with the fields and today's date in a new office instance,
// describes the letter in its document properties, saves it as a fresh
// scratch document, has its page rendered, and shows it in the preview
// window. Does nothing while busy is set; sets it for the run and clears it
// after.
//
// When no office instance can be had, the template cannot be read, written
// or opened, the office is lost (it ended, or hung past its deadline and
// was stopped) or the page picture cannot be made, that one failure is
// reported, no preview is shown (never one of an earlier letter) and the
// new scratch document is deleted; the fields stay as they are, and the
// closing steps (quit, deleting the template copy, the pointer, busy) still
// run. A user's template is told about in plain words rather than the
// error report; one that holds none of the placeholders still makes its
// letter, with a word about it.
void GenerateLetter(GenerationHost &host, word::Automation &automation, Messenger &messenger, bool &busy);

// What the saved letter says about itself: written by the sender (field
// 0), "Letter to " the company (field 11, else the recipient, field 7),
// created and modified now.
word::DocumentProperties letterProperties(const GenerationHost &host, const QDateTime &now);

// Today's date as the letter shows it: the month's full name in the
// system's language, the day without a leading zero, the year ("March 3,
// 2026").
QString letterDate();

// A fresh scratch document path: "qrenta", eight random digits from 1 to 9,
// ".doc", naming no existing file.
QString newScratchDocumentPath(const QString &temp);
