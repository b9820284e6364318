// Makes all sample data: the code database, the input method's files, the teacher's word list
// and the machine-wide registry entry of the input method.
#pragma once

#include <QString>
#include <QStringList>

namespace datagen {

struct GeneratorOptions
{
    QString programFolder; // talvorendb.dat, usercibiao.TXT
    QString systemFolder;  // the input method's files and the HKEY_LOCAL_MACHINE hive
    QString unihanFolder;  // Unihan_DictionaryLikeData.txt.bz2 (four-corner codes), Unihan_Variants.txt.bz2
    QString essayFile;     // essay.txt
    QStringList fontFiles; // the first that loads draws the pictures
};

// The same inputs always give the same files. Needs a QGuiApplication for the pictures.
bool generate(const GeneratorOptions& options, QString* error);

} // namespace datagen
