#pragma once

#include <QImage>
#include <QStringList>
#include <QtTest>

#include "DocumentReader.h"
#include "Failure.h"
#include "GenerateLetter.h"
#include "LetterFields.h"
#include "Main.h"
#include "PageSnapshot.h"
#include "RecordingMessenger.h"
#include "ScratchFiles.h"

// The windows' side of the generation, recorded.
class RecordingHost : public GenerationHost
{
public:
    RecordingHost(word::Automation &automation, ClipboardSource &clipboard, Messenger &messenger)
        : m_automation(automation), m_clipboard(clipboard), m_messenger(messenger)
    {
    }

    QString fields[FieldCount];
    QString chosenTemplate; // empty: the built-in one
    QStringList events;
    QImage previewPicture;
    QString wordFile;

    QString fieldText(int index) const override { return fields[index]; }
    void setFieldText(int index, const QString &text) override { fields[index] = text; }
    void setBusyPointer(bool busy) override { events << (busy ? "busy" : "arrow"); }
    bool saveDocAsJpg(const QString &document) override
    {
        events << "snapshot";
        return SaveDocAsJPG(m_automation, m_clipboard, m_messenger, document, ScratchFiles::folder());
    }
    void loadPreviewPicture(const QString &bitmapPath) override
    {
        events << "picture";
        previewPicture = readSnapshot(bitmapPath);
    }
    void setPreviewWordFile(const QString &path) override { wordFile = path; }
    void showPreview() override { events << "show preview"; }
    void hideMainWindow() override { events << "hide main"; }
    QString templateFile() const override { return chosenTemplate; }

    void fillSample()
    {
        for (int i = 0; i < VisibleFieldCount; ++i)
            fields[i] = QString::fromUtf8(LetterFields[size_t(i)].sampleValue);
    }

private:
    word::Automation &m_automation;
    ClipboardSource &m_clipboard;
    Messenger &m_messenger;
};

// Makes a letter through the host with the given office and reads it back
// through the reader; the run must show no message and end not busy.
inline DocumentReader::Document generateAndRead(RecordingHost &host, word::Automation &office,
                                                RecordingMessenger &messenger, DocumentReader &reader)
{
    bool busy = false;
    GenerateLetter(host, office, messenger, busy);
    [&] {
        QVERIFY2(messenger.messages.empty(), qPrintable(messenger.texts().join(QLatin1Char('\n'))));
        QVERIFY(!busy);
        QVERIFY(FileExists(host.wordFile));
    }();
    return reader.read(host.wordFile);
}
