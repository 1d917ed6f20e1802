#pragma once

#include <optional>

#include <QString>

// The paper the built-in letter and its starter copy are laid out on. A
// template of the user's own keeps its own paper, whatever is chosen here.
enum class PaperSize { A4, Letter };

namespace Paper {

// "A4" or "Letter", as the settings file keeps it.
QString nameOf(PaperSize paper);
// "A4" or "Letter" in any letter case, as the settings file and --paper
// write it; nullopt for anything else.
std::optional<PaperSize> parse(const QString &text);

} // namespace Paper
