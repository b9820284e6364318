#include "exercises/drilldescriptions.h"

#include "exercises/drilltexts.h"
#include "shell/lessoncatalogue.h"

namespace exercises {
namespace {

using namespace texts;

const QString kHelpIndent = QStringLiteral("    ");

QString cizuHelp(QStringView kind)
{
    QString help = kCizu2Help.toString();
    help.replace(kCizu2Kind.toString(), kind.toString());
    return kHelpIndent + help;
}

// The three- and four-character drills word their help a little differently: no blank after the
// second semicolon and no "的" before the code's name.
QString shortCizuHelp(QStringView kind)
{
    QString help = cizuHelp(kind);
    help.replace(kSecondSemicolon.toString() + u' ', kSecondSemicolon.toString());
    const QString shortEnding = kShortEnding.toString();
    QString longEnding = shortEnding;
    longEnding.insert(shortEnding.indexOf(u"Talvoren"), kCodeWordDe);
    help.replace(longEnding, shortEnding);
    return help;
}

QString cijmHelp(QStringView title)
{
    QString help = kCi1jmHelp.toString();
    help.replace(kTitleCi1jm.toString(), title.toString());
    return kHelpIndent + help;
}

DrillDescription wordDrill(const QString& windowName, int pageSize, int columns, int length)
{
    DrillDescription d;
    d.windowName = windowName;
    d.pageSize = pageSize;
    d.columns = columns;
    d.rows = 4;
    d.judgeRule = JudgeRule::FixedLength;
    d.judgedLength = length;
    d.charactersCounted = length;
    d.prompt = kPromptWords.toString();
    d.hintJoin = kHintWords.toString();
    d.soundAtEnd = kSoundSound.toString();
    d.overlayName = QStringLiteral("TxtHelp");
    return d;
}

QList<DrillDescription> makeDescriptions()
{
    DrillDescription wubushou;
    wubushou.windowName = QStringLiteral("frmwubushou");
    wubushou.pageSize = 32;
    wubushou.columns = 8;
    wubushou.rows = 4;
    wubushou.judgeRule = JudgeRule::AnyText;
    wubushou.charactersCounted = 1;
    wubushou.prompt = kPromptCharacters.toString();
    wubushou.progressSuffix = kProgressCharacterSuffix.toString();
    wubushou.hintJoin = kHintCharacters.toString();
    wubushou.soundAtEnd = kSoundComplete.toString();
    wubushou.endsProgramOnLoadError = true;
    wubushou.overlayName = QStringLiteral("Text2");
    wubushou.lessons = catalogueLessons(wubushou.windowName);

    DrillDescription cijm = wordDrill(QStringLiteral("Frmcijm"), 16, 4, 2);
    cijm.lessons =
        catalogueLessons(cijm.windowName, [](const shell::Lesson& lesson) { return cijmHelp(lesson.title); });

    DrillDescription cizu2 = wordDrill(QStringLiteral("Frmcizu2"), 16, 4, 2);
    cizu2.lessons =
        catalogueLessons(cizu2.windowName, [](const shell::Lesson&) { return cizuHelp(kCizu2Kind); });

    DrillDescription cizu3 = wordDrill(QStringLiteral("Frmcizu3"), 12, 3, 3);
    cizu3.lessons =
        catalogueLessons(cizu3.windowName, [](const shell::Lesson&) { return shortCizuHelp(kCizu3Kind); });

    DrillDescription cizu4 = wordDrill(QStringLiteral("Frmcizu4"), 8, 2, 4);
    cizu4.minutesAtStart = MinutesAtStart::TimeBoxCheck;
    cizu4.lessons =
        catalogueLessons(cizu4.windowName, [](const shell::Lesson&) { return shortCizuHelp(kCizu4Kind); });

    DrillDescription cizu5 = wordDrill(QStringLiteral("Frmcizu5"), 4, 1, 0);
    cizu5.judgeRule = JudgeRule::ItemLength;
    cizu5.charactersCounted = 0;
    cizu5.minutesAtStart = MinutesAtStart::TimeBoxCheck;
    cizu5.lessons =
        catalogueLessons(cizu5.windowName, [](const shell::Lesson&) { return cizuHelp(kCizu5Kind); });

    return {wubushou, cijm, cizu2, cizu3, cizu4, cizu5};
}

} // namespace

const QList<DrillDescription>& drillDescriptions()
{
    static const QList<DrillDescription> descriptions = makeDescriptions();
    return descriptions;
}

const DrillDescription* drillDescription(const QString& windowName)
{
    for (const DrillDescription& d : drillDescriptions()) {
        if (d.windowName == windowName)
            return &d;
    }
    return nullptr;
}

int charactersCounted(const DrillDescription& drill, const QString& item)
{
    return drill.charactersCounted > 0 ? drill.charactersCounted : static_cast<int>(item.size());
}

bool isReadyToJudge(const DrillDescription& drill, const QString& answer, const QString& item)
{
    if (answer.isEmpty())
        return false;
    switch (drill.judgeRule) {
    case JudgeRule::AnyText:
        return true;
    case JudgeRule::FixedLength:
        return answer.size() == drill.judgedLength;
    case JudgeRule::ItemLength:
        return answer.size() == item.size();
    }
    return false;
}

} // namespace exercises
