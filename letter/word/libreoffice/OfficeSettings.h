#pragma once

#include <QByteArray>
#include <QString>

// The settings every private office starts with, so that a document it
// opens (a user's template, the letter made from it) never makes it read a
// file or reach the network through a link: a linked object, section,
// picture or field keeps what the document holds for it, or shows nothing.
//
// Each setting and the links it stops (measured with hostile templates):
// - Security/Scripting/BlockUntrustedRefererLinks: a document outside the
//   trusted locations may not load what it links to. Stops linked OLE
//   objects (file or web) and the loading of linked pictures when the
//   letter is rendered, saved, exported or printed.
// - Writer's link update mode "never": linked sections (and what Word's
//   INCLUDETEXT fields become, and DDE links) are never brought up to date,
//   whatever the document itself asks for. The documents are also loaded
//   with UpdateDocMode NO_UPDATE (see LibreOfficeAutomation).
// - A proxy on the discard port of this machine, with no exceptions: no
//   web, WebDAV or FTP request leaves the office, even one that no link
//   setting governs (the Word 97 importer asks a linked picture's address
//   for its title while it reads the letter back).
//
// They go into the profile's registrymodifications.xcu before an office
// starts with that profile, after what a copied ready profile holds.
namespace OfficeSettings {

// The settings file's contents: `existing` (a settings file, or empty)
// with these settings last.
QByteArray registryModifications(const QByteArray &existing = {});

// Writes the settings into a new profile folder, keeping the settings a
// copied profile brought. Throws Failure.
void writeInto(const QString &profileFolder);

} // namespace OfficeSettings
