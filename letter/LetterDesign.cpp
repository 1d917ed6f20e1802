#include "LetterDesign.h"

#include "Logging.h"
#include "Settings.h"

namespace LetterDesigns {

namespace {
struct DesignEntry
{
    LetterDesign design;
    const char *name;
    const char *resource;
};
// The classic template keeps the resource name it always had.
constexpr DesignEntry Entries[] = {
        {LetterDesign::Classic, "classic", ":/CUSTOM/101"},
        {LetterDesign::Modern, "modern", ":/CUSTOM/102"},
        {LetterDesign::Letterhead, "letterhead", ":/CUSTOM/103"},
};

const DesignEntry &entryOf(LetterDesign design)
{
    for (const DesignEntry &entry : Entries) {
        if (entry.design == design)
            return entry;
    }
    return Entries[0];
}
} // namespace

const std::vector<LetterDesign> &all()
{
    static const std::vector<LetterDesign> designs{LetterDesign::Classic, LetterDesign::Modern,
                                                   LetterDesign::Letterhead};
    return designs;
}

QString name(LetterDesign design)
{
    return QString::fromLatin1(entryOf(design).name);
}

QStringList names()
{
    QStringList result;
    for (LetterDesign design : all())
        result << name(design);
    return result;
}

std::optional<LetterDesign> fromName(const QString &written)
{
    const QString wanted = written.trimmed();
    for (const DesignEntry &entry : Entries) {
        if (wanted.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.design;
    }
    return std::nullopt;
}

LetterDesign stored()
{
    const QString written = Settings().design();
    if (written.trimmed().isEmpty())
        return LetterDesign::Classic;
    if (const std::optional<LetterDesign> design = fromName(written))
        return *design;
    qCWarning(lcLetter) << "the settings name no design" << written << "- the classic letter is made; the designs are"
                        << names();
    return LetterDesign::Classic;
}

void store(LetterDesign design)
{
    Settings().setDesign(name(design));
}

QString resource(LetterDesign design)
{
    return QString::fromLatin1(entryOf(design).resource);
}

QString picture(LetterDesign design)
{
    return QStringLiteral(":/designs/%1.png").arg(name(design));
}

} // namespace LetterDesigns
