#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>

#include <QImage>
#include <QStringList>

#include "WordAutomation.h"

// A scripted stand-in for the office, for unit tests that need a failure on
// demand. Documents are held in memory: named stories of plain text and
// shapes with text. Every member call is recorded by name ("Documents.Open",
// "Find.Execute", ...), and a call can be made to fail at its n-th use.
class ScriptedAutomation : public word::Automation
{
public:
    struct DocumentData
    {
        std::vector<std::pair<QString, QString>> stories; // story name, text
        std::vector<QString> shapes;                      // text of each shape
    };

    // The files the scripted office can open, by path, and what it opens
    // for any other path (a copy the program made where the test does not
    // know), if anything.
    std::map<QString, DocumentData> files;
    std::optional<DocumentData> anyOtherFile;
    // The spreadsheets the scripted office can write a sheet of as CSV:
    // each sheet's name and CSV text, in the file's order. Any path
    // reads `anySpreadsheet` (the program reads a copy it made), if set.
    using SpreadsheetData = std::vector<std::pair<QString, QByteArray>>;
    std::optional<SpreadsheetData> anySpreadsheet;
    // Every call made, in order.
    QStringList calls;
    // Calls that fail: name -> the 1-based uses that fail (empty set: every use).
    std::map<QString, std::set<int>> failures;
    // Every copy written through exportCopy: path and format.
    std::vector<std::pair<QString, word::LetterFormat>> exports;
    // Every paper a document was laid out on: width and height.
    std::vector<std::pair<int, int>> paperSizes;
    // The document properties each saved file was written with, by path.
    std::map<QString, word::DocumentProperties> savedProperties;
    // Calls that hang, as a hung office does, until an application is
    // killed; then they fail.
    std::set<QString> hangs;
    // Calls that wait, as a slow office does, until release().
    std::set<QString> holds;
    // Every print job: its settings.
    std::vector<word::PrintSettings> printed;
    int kills = 0;
    // "create" fails when false.
    bool canCreate = true;
    // What every rendered page looks like.
    QImage picture;
    // Applications created and how many have quit.
    int created = 0;
    // What each was created for, in order.
    std::vector<word::OfficeUse> createdFor;
    int quits = 0;

    void failAt(const QString &call, int use = 0)
    {
        auto &uses = failures[call];
        if (use > 0)
            uses.insert(use);
    }

    // Records a call and throws Failure when it is scripted to fail; a call
    // scripted to hang waits for kill() first.
    void enter(const QString &call);
    void kill();
    void release();
    // Changes what several offices, each on its own thread, record.
    template<typename Change> void update(Change &&change)
    {
        std::lock_guard lock(m_gate->mutex);
        change();
    }

    // Waits as an office that is slow to start does when "Automation.Create"
    // holds or hangs; a stop ends the wait as a kill does.
    std::shared_ptr<word::Application> createApplication(word::CreationStop *stop = nullptr,
                                                         word::OfficeUse use = word::OfficeUse::Letter) override;
    std::optional<QString> officeVersion() override { return version; }
    QString version = QStringLiteral("Scripted Office 1.0");

private:
    std::map<QString, int> m_uses;
    // Held apart so that the automation stays assignable.
    struct Gate
    {
        std::mutex mutex;
        std::condition_variable killed;
        std::condition_variable released;
        bool isReleased = false;
    };
    std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();
};
