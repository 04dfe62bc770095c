// The names a screen reader speaks for controls whose meaning is shown by a caption beside them.
#include "components/spoken_names.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace tavi {

QString SpokenCaption(const QString& caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" is a written "&"; a single "&" marks the access key.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    spoken = spoken.trimmed();
    while (spoken.endsWith(QLatin1Char(':')) || spoken.endsWith(QChar(0xFF1A)))  // ":" or "："
        spoken.chop(1);
    return spoken.trimmed();
}

void NameAfter(QWidget* control, QWidget* captioned, const QString& detail)
{
    QString caption;
    if (auto* label = qobject_cast<QLabel*>(captioned)) {
        caption = label->text();
        label->setBuddy(control);
    } else if (auto* button = qobject_cast<QAbstractButton*>(captioned)) {
        caption = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(captioned)) {
        caption = group->title();
    }
    const QString spoken = SpokenCaption(caption);
    control->setAccessibleName(detail.isEmpty() ? spoken : spoken + QLatin1Char(' ') + detail);
}

void NameEach(std::initializer_list<std::pair<QWidget*, QString>> names)
{
    for (const auto& [control, name] : names)
        control->setAccessibleName(name);
}

}  // namespace tavi
