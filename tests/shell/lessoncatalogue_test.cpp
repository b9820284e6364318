// The lesson catalogue: order and the resources each lesson names.
#include "platform/resources.h"
#include "shell/lessoncatalogue.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(LessonCatalogue, ElevenLessonsInIndexOrderWithDistinctTitles)
{
    const QList<shell::Lesson>& lessons = shell::lessonCatalogue();
    ASSERT_EQ(lessons.size(), 11);
    QSet<QString> titles;
    for (int i = 0; i < lessons.size(); ++i) {
        EXPECT_EQ(lessons[i].index, i);
        titles.insert(lessons[i].title);
    }
    EXPECT_EQ(titles.size(), 11);
}

TEST(LessonCatalogue, EveryIconAndHelpTextIsAResource)
{
    for (const shell::Lesson& lesson : shell::lessonCatalogue()) {
        EXPECT_FALSE(platform::resources::icon(lesson.icon).isNull()) << lesson.icon;
        if (lesson.helpStringId != 0) {
            EXPECT_FALSE(platform::resources::string(lesson.helpStringId).isEmpty()) << lesson.helpStringId;
        }
    }
}

} // namespace
