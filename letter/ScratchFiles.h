#pragma once

#include <QString>

// The temporary folder and the scratch files the generation keeps there.
//
// The folder is the value of "temp", else "TEMP", else "TMPDIR", used
// unchanged; scratch paths are that value followed directly by the names
// below. With none of them set, a private folder of the user's own is used
// (created with mode 0700) rather than the filesystem root.
class ScratchFiles
{
public:
    // Throws Failure when the private fallback folder cannot be made safe:
    // it must be a real directory (not a link), owned by the user and
    // closed to everyone else.
    static QString temporaryFolder();

    // The private fallback folder ("tessaline-scratch" in the user's cache
    // folder).
    static QString privateFolder();

    static QString templateCopyPath(const QString &temp) { return temp + QStringLiteral("/template.dot"); }
    static QString snapshotPath(const QString &temp) { return temp + QStringLiteral("/temp.bmp"); }
    // "qrenta", eight digits 1 to 9, ".doc".
    static QString scratchDocumentPath(const QString &temp, const QString &digits)
    {
        return temp + QStringLiteral("/qrenta") + digits + QStringLiteral(".doc");
    }
};

// The built-in template: resource "CUSTOM"/101, at its full length.
QByteArray templateBytes();
