// SPDX-License-Identifier: MIT
#include "planwindow/plan_controls.h"

#include "widgets/quiet_news.h"
#include "widgets/typing_limit.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace planwindow {
namespace {

// Alt with the label's letter selects the box's text, as Tab does, also when the box has the
// focus already: Qt then moves nothing and leaves the caret where it was.
class MnemonicSelects final : public QObject {
public:
    MnemonicSelects(QLabel& label, QLineEdit& box) : QObject(&label), box_(box) {
        label.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Shortcut && box_.hasFocus())
            box_.selectAll();
        return false;
    }

private:
    QLineEdit& box_;
};

void AddLabelled(QGridLayout& grid, int row, const QString& label, QLineEdit& field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(&field);
    new MnemonicSelects(*caption, field);
    grid.addWidget(caption, row, 0);
    grid.addWidget(&field, row, 1);
}

// Tab into a box selects its text, to be typed over, before readers hear of the focus, and
// leaving it unselects the text: that news is kept back, or it would be heard before the box's
// name or the next control's.
class QuietSelection final : public QObject {
public:
    explicit QuietSelection(QLineEdit& box) : QObject(&box) {
        widgets::QuietWhileUnfocused(box);
        box.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            widgets::QuietUntilFocused(*watched);
        return false;
    }
};

} // namespace

QString SpokenName(const char* label) {
    return QString::fromLatin1(label).remove(QLatin1Char('&')).remove(QLatin1Char(':'));
}

QLineEdit* AddField(QGridLayout& grid, int row, const char* name, const char* label) {
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(name));
    new QuietSelection(*field);
    // As in the calculator's boxes, a paste takes its first line: a spreadsheet's cell comes
    // with a line break. The limit is the box's own.
    new widgets::TypingLimit(*field, field->maxLength());
    field->setAccessibleName(SpokenName(label));
    AddLabelled(grid, row, QString::fromLatin1(label), *field);
    return field;
}

void Rewrite(QLineEdit& field, const QString& text) {
    if (field.text() == text)
        return;
    const bool whole = field.hasSelectedText() && field.selectedText() == field.text();
    const int caret = field.cursorPosition();
    const bool atEnd = caret == field.text().size();
    field.setText(text); // the caret at the end
    if (whole)
        field.selectAll();
    else if (!atEnd)
        field.setCursorPosition(std::min(caret, int(text.size())));
}

QButtonGroup* AddChoices(QGridLayout& grid, int row, const char* label, const char* spoken,
                         const QStringList& choices) {
    auto* group = new QButtonGroup(grid.parentWidget());
    auto* buttons = new QHBoxLayout;
    for (const QString& choice : choices) {
        auto* option = new QRadioButton(choice);
        option->setAccessibleName(QString::fromLatin1(spoken) + QLatin1Char(' ') +
                                  QString(choice).remove(QLatin1Char('&')));
        group->addButton(option, int(buttons->count()));
        buttons->addWidget(option);
    }
    buttons->addStretch();
    // Tab enters the row at the choice that is on, as the arrow keys leave it.
    QObject::connect(group, &QButtonGroup::idToggled, group, [group] {
        for (QAbstractButton* option : group->buttons())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    });
    grid.addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
    grid.addLayout(buttons, row, 1);
    return group;
}

} // namespace planwindow
