#include "DesignMenu.h"

#include <QActionGroup>
#include <QPainter>
#include <QPainterPath>
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

// The design's picture, and for its item checked the picture with a tick
// in its corner: a style draws an item's picture in place of its check
// mark, and a frame around a small page is easily missed.
QIcon pictureWithTick(const QString &picture)
{
    const QPixmap page(picture);
    QPixmap ticked = page;
    QPainter painter(&ticked);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal size = qMin(page.width(), page.height()) * 0.45;
    const QRectF corner(page.width() - size - 1, page.height() - size - 1, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x5f));
    painter.drawEllipse(corner);
    QPainterPath tick;
    tick.moveTo(corner.left() + size * 0.25, corner.top() + size * 0.52);
    tick.lineTo(corner.left() + size * 0.43, corner.top() + size * 0.70);
    tick.lineTo(corner.left() + size * 0.76, corner.top() + size * 0.32);
    painter.setPen(QPen(Qt::white, size * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.end();
    QIcon icon;
    icon.addPixmap(page, QIcon::Normal, QIcon::Off);
    icon.addPixmap(ticked, QIcon::Normal, QIcon::On);
    return icon;
}

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
        QAction *action = addAction(pictureWithTick(LetterDesigns::picture(design)), tr(texts.label));
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
