// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleEvent;
class QObject;
class QWidget;

// Accessibility news that a screen reader would speak as noise, kept from it. Everything
// else passes on unchanged.
namespace widgets {

// Keeps the text, caret and selection news of object from readers until readers are told
// that object has the focus: a box that selects its text as it is entered is then read
// once, with its selection, instead of the selection first and the box after.
void QuietUntilFocused(QObject& object);

// Keeps object's text, caret and selection news from readers while it lives: for a change
// that is told otherwise (a step of the arrows tells the new value), or told once it is
// whole (a reader asks for the selection later than the news comes, and would take the
// whole text that a warning selects for the user's own selection).
class QuietText {
public:
    explicit QuietText(QObject& object);
    ~QuietText();
    QuietText(const QuietText&) = delete;
    QuietText& operator=(const QuietText&) = delete;

private:
    QObject& object_;
};

// Keeps widget's caret and selection news from readers while it has not the focus: a box
// that gives up its selection as the focus leaves would be heard saying so before the next
// control is.
void QuietWhileUnfocused(QWidget& widget);

// Never tells readers that widget was hidden: a tip put away is no news, and a reader
// would read the focus again.
void HideQuietly(QWidget& widget);

// While a popup menu is open, its window's becoming active again is kept from readers too.
//
// Whether event is kept from readers under the rules above. Asked once for each piece of
// news as it goes out, since one piece may end a rule (the focus ends the quiet of
// QuietUntilFocused).
bool KeptFromReaders(const QAccessibleEvent& event);

} // namespace widgets
