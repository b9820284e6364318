// The lesson contents of the code database, chosen from the coded characters and words.
#pragma once

#include "data/codescheme.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace datagen {

class PictureMaker;

struct LessonRow
{
    QString bianma;
    QString wenzhi;
};

struct PictureRow
{
    QByteArray picture; // PNG
    QString bianma;
};

struct Article
{
    QString title;
    QString wenzhang;
};

struct Lessons
{
    QList<LessonRow> jiandan, zi1jm, zi2jm, ci1jm, ci2jm, ci2, ci3, ci4, cid, playziku;
    QList<PictureRow> bixing, colorZi;
    QStringList skeyboard;
    QList<Article> articles;
};

// Every code book row carries the code the code file gives its text: full codes for the
// character and word lessons, short codes for the short-code lessons. That code lists the row's
// text first, but for a word's short code, which lists the character that shares it first and
// the word right after it. Word lessons hold only words of the length their drill judges.
Lessons chooseCodeBooks(const CodeScheme& scheme);
// Stroke-shape pictures ask for one corner digit, spread evenly over the ten digits; colour
// pictures ask for a whole code. Both use common characters whose code is their plain
// four-corner code.
void drawPictures(const CodeScheme& scheme, const PictureMaker& maker, Lessons* lessons);
// Keypad sequences of one to six keys among the digits, "-", "+" and "." ("/" and "*" end an
// answer in the keypad drill, so they cannot be part of one).
QStringList keypadSequences(int count);
// "# title" lines each begin an article; the lines up to the next title are its text, with
// white space and control characters removed.
QList<Article> parseArticles(const QString& text);

} // namespace datagen
