#include "platform/modalowner.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using platform::modalOwner;
using platform::setModalOwner;

TEST(ModalOwner, IsTheWindowOfTheCallerElseOfTheParentElseTheWindowTheUserIsIn)
{
    QDialog caller;
    auto* box1 = new QLineEdit(&caller); // a control of the caller names the caller's window
    caller.show();
    QApplication::setActiveWindow(&caller);

    QDialog named;
    setModalOwner(&named, box1);
    EXPECT_EQ(modalOwner(&named), &caller);

    QDialog other;
    other.show();
    QDialog child(&other);
    setModalOwner(&child);
    EXPECT_EQ(modalOwner(&child), &other);

    QDialog orphan;
    setModalOwner(&orphan);
    EXPECT_EQ(modalOwner(&orphan), &caller);
}

TEST(ModalOwner, ABoxNeverOwnsItself)
{
    QDialog box;
    box.show();
    QApplication::setActiveWindow(&box);
    setModalOwner(&box);
    EXPECT_EQ(modalOwner(&box), nullptr);
}

} // namespace
