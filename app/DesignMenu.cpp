#include "DesignMenu.h"

#include <QActionGroup>
#include <QProxyStyle>

#include "Failure.h"

namespace {
// A page picture the size of a menu's usual icon shows nothing of its
// design: this menu draws its pictures larger.
class PictureMenuStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_SmallIconSize)
            return 64;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Each design's item and what the status bar says of it.
struct DesignTexts
{
    LetterDesign design;
    const char *label;
    const char *tip;
};
constexpr DesignTexts Texts[] = {
        {LetterDesign::Classic, QT_TRANSLATE_NOOP("DesignMenu", "&Classic"),
         QT_TRANSLATE_NOOP("DesignMenu", "The built-in letter as it always was: your address at the top left")},
        {LetterDesign::Modern, QT_TRANSLATE_NOOP("DesignMenu", "&Modern"),
         QT_TRANSLATE_NOOP("DesignMenu",
                           "Your name in a band across the top, your address, phone and e-mail under it")},
        {LetterDesign::Letterhead, QT_TRANSLATE_NOOP("DesignMenu", "&Letterhead"),
         QT_TRANSLATE_NOOP("DesignMenu",
                           "Your name, address, phone and e-mail centred across the top, a rule under them")},
};
} // namespace

DesignMenu::DesignMenu(QWidget *parent) : QMenu(tr("&Design"), parent)
{
    setAccessibleDescription(tr("The look of the built-in letter"));
    auto *style = new PictureMenuStyle;
    style->setParent(this);
    setStyle(style);
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    const LetterDesign stored = LetterDesigns::stored();
    for (const DesignTexts &texts : Texts) {
        const LetterDesign design = texts.design;
        QAction *action = addAction(QIcon(LetterDesigns::picture(design)), tr(texts.label));
        action->setStatusTip(tr(texts.tip));
        action->setCheckable(true);
        action->setChecked(design == stored);
        action->setIconVisibleInMenu(true);
        group->addAction(action);
        m_actions[design] = action;
    }
    connect(group, &QActionGroup::triggered, this, [this] {
        try {
            LetterDesigns::store(chosen());
        } catch (const Failure &failure) {
            emit notStored(failure.description());
        }
    });
}

LetterDesign DesignMenu::chosen() const
{
    for (const auto &[design, action] : m_actions) {
        if (action->isChecked())
            return design;
    }
    return LetterDesign::Classic;
}
