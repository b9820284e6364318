// An exercise window other than a drill, opened by name on a small lesson database with every seam
// scripted, as the main window opens it.
#pragma once

#include "tests/exercises/drillfixture.h"

#include "platform/resources.h"
#include "shell/exerciseregistry.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <memory>

namespace drilltest {

template <typename Window> class ExerciseWindowTest : public DrillTest
{
protected:
    void TearDown() override
    {
        m_exercise.reset();
        DrillTest::TearDown();
    }

    // Made by the registered factory and, unless its table could not be read, shown and active.
    Window* openExercise(const QString& windowName)
    {
        const shell::ExerciseFactory factory = shell::exerciseFactory(windowName);
        if (!factory)
            return nullptr;
        m_exercise.reset(static_cast<Window*>(factory(nullptr)));
        if (!m_exercise->loadFailed()) {
            m_exercise->show();
            QApplication::setActiveWindow(m_exercise.get());
            (void)QTest::qWaitForWindowActive(m_exercise.get());
        }
        return m_exercise.get();
    }

    template <typename T> T* find(const QString& name) const
    {
        return m_exercise->template findChild<T*>(name);
    }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }

    // A key of the numeric keypad, pressed and released in the focused widget as the user's keys
    // arrive: at the window, where the platform reads it through the emulated NumLock.
    static void keypadClick(QWidget* widget, Qt::Key key)
    {
        widget->setFocus();
        // For a window, Qt's test library hands its last argument on as the event's repeat count,
        // which the keypad procedure reads: 1, a key pressed once.
        QTest::keyClick(widget->window()->windowHandle(), key, Qt::KeypadModifier, 1);
    }
    static void keypadType(QWidget* widget, const QString& keys)
    {
        for (QChar c : keys)
            keypadClick(widget, static_cast<Qt::Key>(c.unicode()));
    }

    // Whether a picture label shows that bitmap resource.
    static bool shows(const QLabel* picture, int bitmap)
    {
        return picture->pixmap().toImage() == platform::resources::bitmap(bitmap).toImage();
    }

    std::unique_ptr<Window> m_exercise;
};

} // namespace drilltest
