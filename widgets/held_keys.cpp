// SPDX-License-Identifier: MIT
#include "widgets/held_keys.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <optional>

namespace widgets {
namespace {

// No display repeats a key sooner than this after its press, however its repeat is set. The
// window system marks a release and a press of the same moment as a repeat, but a macro tool
// that presses a key twice in one burst makes such pairs too: those are whole presses.
constexpr quint64 kShortestRepeatDelayMs = 100;

// The window system gives a held key's repeat the time of the release before it. The bridge
// holds presses and releases back and delivers copies without their time, and on a busy machine
// the copy of a repeat's release, unmarked when the window system's pair came in two parts, is
// delivered before the repeat's press is offered. So releases are noted as the window system
// reports them, ahead of the bridge's filter, which is installed when a reader first listens.
class Releases final : public QObject {
public:
    using QObject::QObject;

    struct Release {
        quint64 time;
        bool marked; // as a repeat's
        quint64 serial;
    };

    // The key's last release, if it came after the one with that serial.
    std::optional<Release> after(quint32 scanCode, quint64 serial) const {
        const auto found = last_.constFind(scanCode);
        if (found == last_.cend() || found->serial <= serial)
            return std::nullopt;
        return *found;
    }

    // The serial of the last release of any key.
    quint64 serial() const { return serial_; }

    // The application's filters are called from the last installed; installing one again makes
    // it the last.
    void standFirst() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease && event->spontaneous() &&
            receiver->isWindowType()) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            last_.insert(key.nativeScanCode(), {key.timestamp(), key.isAutoRepeat(), ++serial_});
        }
        return false;
    }

private:
    QHash<quint32, Release> last_;
    quint64 serial_ = 0;
};

// Every press the window system reports is offered to the window as a shortcut override at
// once, before the press itself is delivered, which the bridge holds back until the reader has
// seen it. So the overrides tell, in time, which presses are a held key's repeats: a press of a
// key not let go since its first press, or one that pairs with a release of the same moment once
// the key has been down long enough to repeat. A repeat's override is taken, so that no shortcut
// acts, and the press delivered for it is marked; so is a release that such a press follows. The
// last release, which no press follows, lets the key go. A press and release marked as a repeat
// before the key could repeat are delivered unmarked.
class HeldKeys final : public QObject {
public:
    explicit HeldKeys(QCoreApplication& application)
        : QObject(&application), releases_(new Releases(this)) {
        application.installEventFilter(this);
        releases_->standFirst();
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
            if (event->type() == QEvent::ShortcutOverride && key.isAutoRepeat() &&
                event != freshOverride_) {
                key.accept();
                return true;
            }
            return false;
        }
        offered_.reset();
        Key& state = keys_[key.nativeScanCode()];
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            releases_->standFirst();
            freshOverride_ = nullptr;
            if (repeats(key)) {
                ++state.repeats;
                key.accept();
                return true;
            }
            state.window = receiver;
            ++state.fresh;
            pressed_.insert(key.nativeScanCode(), {key.timestamp(), releases_->serial()});
            offered_ = key.nativeScanCode();
            if (key.isAutoRepeat())
                freshOverride_ = event;
            return false;
        case QEvent::KeyPress:
            if (state.fresh > 0) {
                --state.fresh;
                return key.isAutoRepeat() && resend(*receiver, key, false);
            }
            if (state.repeats > 0)
                --state.repeats;
            else if (!key.isAutoRepeat())
                return false;
            // A window that the key's press opened, a dialog shown by a button, ignores the
            // key until it is let go: a dialog's default button takes even marked repeats.
            if (receiver != state.window)
                return true;
            return resendMarked(*receiver, key);
        default: {
            if (state.repeats > 0)
                return resendMarked(*receiver, key);
            // A whole press offered and still to come lets this one go, however it is marked.
            const bool pressFollows = state.fresh > 0;
            // Marked by the window system: the repeat's press is still to come.
            if (key.isAutoRepeat() && !pressFollows && mayRepeat(key))
                return false;
            if (!pressFollows)
                keys_.remove(key.nativeScanCode());
            return key.isAutoRepeat() && resend(*receiver, key, false);
        }
        }
    }

private:
    struct Key {
        const QObject* window = nullptr; // where its first press went
        int fresh = 0;                   // first presses offered, not yet delivered
        int repeats = 0;                 // repeats offered, not yet delivered
    };

    struct Pressed {
        quint64 time;
        quint64 releasesBefore; // the serial of the last release before it
    };

    // Whether the key has been down long enough to repeat. Copies the bridge delivers carry no
    // time.
    bool mayRepeat(const QKeyEvent& key) const {
        const auto pressed = pressed_.constFind(key.nativeScanCode());
        return key.timestamp() == 0 || pressed == pressed_.cend() ||
               key.timestamp() >= pressed->time + kShortestRepeatDelayMs;
    }

    // Whether the press just offered repeats its key.
    bool repeats(const QKeyEvent& key) const {
        const auto pressed = pressed_.constFind(key.nativeScanCode());
        if (pressed == pressed_.cend())
            return key.isAutoRepeat();
        const auto release = releases_->after(key.nativeScanCode(), pressed->releasesBefore);
        if (!release)
            return true; // not let go since
        return (release->marked || release->time == key.timestamp()) && mayRepeat(key);
    }

    bool resendMarked(QObject& receiver, const QKeyEvent& key) {
        return !key.isAutoRepeat() && resend(receiver, key, true);
    }

    bool resend(QObject& receiver, const QKeyEvent& key, bool autoRepeat) {
        QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                       key.nativeVirtualKey(), key.nativeModifiers(), key.text(), autoRepeat,
                       key.count());
        copy.setTimestamp(key.timestamp());
        resent_ = &copy;
        QCoreApplication::sendEvent(&receiver, &copy);
        resent_ = nullptr;
        return true;
    }

    Releases* releases_;
    QHash<quint32, Key> keys_;
    QHash<quint32, Pressed> pressed_;       // each key's last first press
    const QEvent* freshOverride_ = nullptr; // a whole press's override, marked as a repeat
    std::optional<quint32> offered_;
    const QEvent* resent_ = nullptr;
};

} // namespace

void MarkHeldKeyRepeats(QCoreApplication& application) {
    new HeldKeys(application);
}

} // namespace widgets
