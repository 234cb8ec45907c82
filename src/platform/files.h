#pragma once
// The program's folders and its data files. The data folder ("data" beside
// the executable) holds the help texts, the argument help and the procedure
// bitmaps; tests point it elsewhere with SetDataFolder.
//
// Text files are read in one fixed encoding, UTF-8 (a byte-order mark is
// skipped); line ends come back as CR LF whatever the file holds, the way
// the program's texts are written.
#include <QString>
#include <QStringList>
#include <optional>

namespace plat {

// Folder of the executable.
QString ProgramFolder();
// The data folder; "" restores the default.
QString DataFolder();
void SetDataFolder(const QString& folder);

// A data file's path from its name, written "\Name.txt" or "Name.txt": the
// data folder, "/" and the name in its exact case.
QString DataFilePath(const QString& name);

// The whole file; nothing when it cannot be read.
std::optional<QString> ReadTextFile(const QString& path);
// The file's lines without their ends; a final line end adds no empty line.
std::optional<QStringList> ReadTextLines(const QString& path);

}  // namespace plat
