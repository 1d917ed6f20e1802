#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

// The built-in letter comes in designs, each a template of its own with the
// same placeholders and paragraph styles, so that every letter of the
// built-in kind (its tidy address lines, its country forms, its signature)
// reads the same in each: the classic letter; a modern one, the sender's
// name in a band across the top and the contact line under it; and a
// letterhead, the sender's name, phone, e-mail and web address across the
// top above a rule. A template of the user's own has no design.
enum class LetterDesign { Classic, Modern, Letterhead };

namespace LetterDesigns {

// Every design, in the order the menu and `--design list` give them.
const std::vector<LetterDesign> &all();

// The name the settings and the command line write: "classic", "modern",
// "letterhead".
QString name(LetterDesign design);
// Every name, one for each design, in order.
QStringList names();

// The design a name gives, as people write it ("Modern", " letterhead "):
// any letter case, spaces around it trimmed; nullopt for no design's name.
std::optional<LetterDesign> fromName(const QString &name);

// The design the settings keep under "Design". Missing or empty reads as
// the classic letter; a name no design has reads as the classic letter
// too, with a diagnostic line: a settings file written by hand never
// keeps a letter from being made.
LetterDesign stored();
// Keeps the choice. Throws Failure when the settings cannot be written.
void store(LetterDesign design);

// The resource of the design's template (":/CUSTOM/101" for the classic
// letter, which earlier versions and their callers know it by).
QString resource(LetterDesign design);
// The resource of the small picture of the design's first page, for the
// menu.
QString picture(LetterDesign design);

} // namespace LetterDesigns
