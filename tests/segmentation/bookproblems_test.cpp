// How a book that cannot be built, opened or read is told: which box, and which book it names.
#include "segmentation/core/bookproblems.h"
#include "segmentation/core/bookreader.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

TEST(BookProblems, FileAndMappingFailuresGoInThePlainBoxWithTheirOwnWords)
{
    using Build = BuildFailure::Kind;
    for (Build kind : {Build::SourceNotOpened, Build::MappingNotCreated, Build::ViewNotMapped})
        EXPECT_EQ(bookProblem(BuildFailure{kind, QStringLiteral("x")}),
                  (BookProblem{QStringLiteral("x"), true}));
    for (Build kind : {Build::SourceDamaged, Build::BookNotWritten})
        EXPECT_EQ(bookProblem(BuildFailure{kind, QStringLiteral("x")}),
                  (BookProblem{QStringLiteral("x"), false}));

    using Open = BookOpenFailure::Kind;
    for (Open kind :
         {Open::IndexNotOpened, Open::IndexNotMapped, Open::IndexViewNotMapped, Open::IndexDamaged})
        EXPECT_EQ(bookProblem(BookKind::Teacher, BookOpenFailure{kind, QStringLiteral("x")}),
                  (BookProblem{QStringLiteral("x"), true}));
}

TEST(BookProblems, ADatabaseThatCannotBeOpenedOrReadNamesItsBookAndWhatToDo)
{
    const BookOpenFailure notOpened{BookOpenFailure::Kind::DatabaseNotOpened, QStringLiteral("engine")};
    EXPECT_EQ(bookProblem(BookKind::Code, notOpened),
              (BookProblem{QStringLiteral("码本文件Durid.dat不能读取，请重新升级码本！\nengine"), false}));
    EXPECT_EQ(bookReadProblem(BookKind::Teacher, QStringLiteral("engine")).text,
              QStringLiteral("教师词库zDurid.dat不能读取，请检查usercibiao.TXT！\nengine"));
    EXPECT_EQ(bookReadProblem(BookKind::Custom, QStringLiteral("engine")).text,
              QStringLiteral("自定义码本zdyDurid.dat不能读取，请升级自定义码本！\nengine"));
}

} // namespace
