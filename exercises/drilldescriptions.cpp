#include "exercises/drilldescriptions.h"

#include "exercises/drilltexts.h"

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
    wubushou.lessons = {
        {kTitleSingle.toString(), QStringLiteral("jiandan"), 3, {}, 112},
        {kTitleZi1jm.toString(), QStringLiteral("Zi1jm"), 11, {}, 109},
        {kTitleZi2jm.toString(), QStringLiteral("Zi2jm"), 12, {}, 113},
    };

    DrillDescription cijm = wordDrill(QStringLiteral("Frmcijm"), 16, 4, 2);
    cijm.lessons = {
        {kTitleCi1jm.toString(), QStringLiteral("Ci1jm"), 0, cijmHelp(kTitleCi1jm), 111},
        {kTitleCi2jm.toString(), QStringLiteral("ci2jm"), 0, cijmHelp(kTitleCi2jm), 110},
    };

    DrillDescription cizu2 = wordDrill(QStringLiteral("Frmcizu2"), 16, 4, 2);
    cizu2.lessons = {{kTitleCizu2.toString(), QStringLiteral("Ci2"), 0, cizuHelp(kCizu2Kind), 115}};

    DrillDescription cizu3 = wordDrill(QStringLiteral("Frmcizu3"), 12, 3, 3);
    cizu3.lessons = {{kTitleCizu3.toString(), QStringLiteral("Ci3"), 0, shortCizuHelp(kCizu3Kind), 116}};

    DrillDescription cizu4 = wordDrill(QStringLiteral("Frmcizu4"), 8, 2, 4);
    cizu4.testsMinutesAtStart = false;
    cizu4.lessons = {{kTitleCizu4.toString(), QStringLiteral("Ci4"), 0, shortCizuHelp(kCizu4Kind), 117}};

    DrillDescription cizu5 = wordDrill(QStringLiteral("Frmcizu5"), 4, 1, 0);
    cizu5.judgeRule = JudgeRule::ItemLength;
    cizu5.charactersCounted = 0;
    cizu5.testsMinutesAtStart = false;
    cizu5.lessons = {{kTitleCizu5.toString(), QStringLiteral("Cid"), 0, cizuHelp(kCizu5Kind), 118}};

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

const DrillLesson* lessonFor(const DrillDescription& drill, const QString& exerciseTitle)
{
    if (drill.lessons.size() == 1)
        return &drill.lessons.front();
    for (const DrillLesson& lesson : drill.lessons) {
        if (lesson.title == exerciseTitle)
            return &lesson;
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

QString applicationTitle()
{
    return QStringLiteral("Talvoren汉字教学软件");
}

} // namespace exercises
