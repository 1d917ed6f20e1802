#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace {
Q_LOGGING_CATEGORY(lcTranslations, "tessaline.translations", QtCriticalMsg)

// Built into the program (translations/CMakeLists.txt).
const QString OwnFolder = QStringLiteral(":/i18n");
const QString OwnName = QStringLiteral("tessaline");
} // namespace

Translations::Translations(const QLocale &locale)
{
    auto own = std::make_unique<QTranslator>();
    for (const QString &name : locale.uiLanguages()) {
        const QLocale wanted(name);
        if (!own->load(wanted, OwnName, QStringLiteral("_"), OwnFolder)) {
            qCDebug(lcTranslations) << "no translation of the program for" << name;
            continue;
        }
        // English, the sources' language, has only its plural forms there
        // and needs nothing of Qt's.
        if (wanted.language() == QLocale::English)
            break;
        qCDebug(lcTranslations) << "the program speaks" << name;
        auto qt = std::make_unique<QTranslator>();
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qt->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"), qtFolder))
            m_installed.push_back(std::move(qt));
        else
            qCDebug(lcTranslations) << "no Qt base translation for" << name << "in" << qtFolder;
        break;
    }
    // A language the program does not speak gets English.
    if (own->isEmpty() && !own->load(OwnName + QStringLiteral("_en"), OwnFolder))
        qCDebug(lcTranslations) << "no English plural forms in" << OwnFolder;
    m_installed.push_back(std::move(own));
    for (const auto &translator : m_installed)
        QCoreApplication::installTranslator(translator.get());
}

Translations::~Translations()
{
    for (const auto &translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}
