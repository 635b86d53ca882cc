// SPDX-License-Identifier: MIT
#include "widgets/held_keys.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <optional>

namespace widgets {
namespace {

// The window system gives a held key's repeat the time of the release before it. The bridge
// holds releases back and delivers copies without their time, and on a busy machine the copy of
// a repeat's release, unmarked when the window system's pair came in two parts, is delivered
// before the repeat's press is offered. So the times of releases are noted as the window system
// reports them, ahead of the bridge's filter, which is installed when a reader first listens.
class ReleaseTimes final : public QObject {
public:
    using QObject::QObject;

    // Whether a press at this time repeats the key: its last release came at the same time.
    bool repeats(quint32 scanCode, quint64 time) const {
        const auto found = times_.constFind(scanCode);
        return found != times_.cend() && *found == time;
    }

    // The application's filters are called from the last installed; installing one again makes
    // it the last.
    void standFirst() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease && event->spontaneous() &&
            receiver->isWindowType()) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            times_.insert(key.nativeScanCode(), key.timestamp());
        }
        return false;
    }

private:
    QHash<quint32, quint64> times_;
};

// Every press the window system reports is offered to the window as a shortcut override at
// once, before the press itself is delivered, which the bridge holds back until the reader has
// seen it. So the overrides tell, in time, which presses are a held key's repeats: a press of a
// key not let go since. A repeat's override is taken, so that no shortcut acts, and the press
// delivered for it is marked; so is a release that such a press follows. The last release,
// which no press follows, lets the key go.
class HeldKeys final : public QObject {
public:
    explicit HeldKeys(QCoreApplication& application)
        : QObject(&application), releaseTimes_(new ReleaseTimes(this)) {
        application.installEventFilter(this);
        releaseTimes_->standFirst();
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Shortcut:
            // The shortcut took the press just offered: no press of it will be delivered.
            if (offered_ && keys_.contains(*offered_) && keys_[*offered_].fresh > 0)
                --keys_[*offered_].fresh;
            offered_.reset();
            return false;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            break;
        default:
            return false;
        }
        auto& key = static_cast<QKeyEvent&>(*event);
        // Each event is judged once, as it reaches the window, before the window hands it to
        // the widget with the focus. Events the program makes itself carry no scan code.
        if (!receiver->isWindowType() || key.nativeScanCode() == 0 || event == resent_) {
            // A marked repeat's override, on its way to a widget.
            if (event->type() == QEvent::ShortcutOverride && key.isAutoRepeat()) {
                key.accept();
                return true;
            }
            return false;
        }
        offered_.reset();
        Key& state = keys_[key.nativeScanCode()];
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            releaseTimes_->standFirst();
            if (state.down || key.isAutoRepeat() ||
                releaseTimes_->repeats(key.nativeScanCode(), key.timestamp())) {
                state.down = true;
                ++state.repeats;
                key.accept();
                return true;
            }
            state.down = true;
            ++state.fresh;
            offered_ = key.nativeScanCode();
            return false;
        case QEvent::KeyPress:
            if (state.fresh > 0) {
                --state.fresh;
                return false;
            }
            state.down = true;
            if (state.repeats == 0)
                return false;
            --state.repeats;
            return resendMarked(*receiver, key);
        default:
            if (state.repeats > 0)
                return resendMarked(*receiver, key);
            // Marked by the window system: the repeat's press is still to come.
            if (!key.isAutoRepeat())
                keys_.remove(key.nativeScanCode());
            return false;
        }
    }

private:
    struct Key {
        bool down = false;
        int fresh = 0;   // first presses offered, not yet delivered
        int repeats = 0; // repeats offered, not yet delivered
    };

    bool resendMarked(QObject& receiver, const QKeyEvent& key) {
        if (key.isAutoRepeat())
            return false;
        QKeyEvent marked(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                         key.nativeVirtualKey(), key.nativeModifiers(), key.text(), true,
                         key.count());
        resent_ = &marked;
        QCoreApplication::sendEvent(&receiver, &marked);
        resent_ = nullptr;
        return true;
    }

    ReleaseTimes* releaseTimes_;
    QHash<quint32, Key> keys_;
    std::optional<quint32> offered_;
    const QEvent* resent_ = nullptr;
};

} // namespace

void MarkHeldKeyRepeats(QCoreApplication& application) {
    new HeldKeys(application);
}

} // namespace widgets
