#pragma once

#include <QString>

// The temporary folder and the scratch files the generation keeps there.
//
// The temporary folder is the value of "temp", else "TEMP", else "TMPDIR"
// (an empty value counts as unset), else the user's cache folder. The
// scratch files never lie in it directly, where other users could plant
// files or links at their fixed names: they live in a folder of this run
// inside a folder of the user's alone, "tessaline-<user id>/<process id>",
// both mode 0700. The run holds its folder's lock (RunMark.h) for as long
// as it lives, which tells a later start whether the run has ended.
class ScratchFiles
{
public:
    static QString temporaryFolder();

    // The user's own folder inside the temporary folder (not created).
    static QString userFolder();

    // This run's scratch folder, created on first use. Throws Failure when
    // it cannot be made or is not safe: the user's folder must be a real
    // folder (not a link), owned by the user and closed to everyone else.
    static QString folder();

    // Removes the scratch folders of runs of this user that have ended
    // (killed or crashed), and only those: a running program's folder,
    // folders not marked by a run, and everything of other users stay.
    static void removeLeftoversOfDeadRuns();

    // Removes this run's scratch folder at the program's end, and the
    // user's folder when no other run has one in it; a folder of that name
    // that is not the user's own stays, even empty.
    static void removeRunFolder();

    static QString templateCopyPath(const QString &folder) { return folder + QStringLiteral("/template.dot"); }
    // The live page's own, which its letters write and delete while
    // "Start Creating Template" may be at work with the other.
    static QString livePageTemplateCopyPath(const QString &folder) { return folder + QStringLiteral("/live-page.dot"); }
    // The one of the window's letter made ready before it is asked for,
    // which the letter then asked for may overtake.
    static QString readyLetterTemplateCopyPath(const QString &folder)
    {
        return folder + QStringLiteral("/ready-letter.dot");
    }
    static QString snapshotPath(const QString &folder) { return folder + QStringLiteral("/temp.bmp"); }
    // "qrenta", eight digits 1 to 9, ".doc".
    static QString scratchDocumentPath(const QString &folder, const QString &digits)
    {
        return folder + QStringLiteral("/qrenta") + digits + QStringLiteral(".doc");
    }
};

// The user's cache folder (made when missing), which needs no temporary
// folder: the fallback temporary folder, and where office profiles live.
QString userCacheFolder();
