#pragma once
// "Mentés fájlba" and "Megnyitás fájlból" of pages 2 to 4, and the boxes in
// which those pages speak to the user: captioned with the program's name.
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace zor {

// A save name ends in ".txt": appended when the path is shorter than five
// bytes or its last four bytes are not ".txt" in any letter case.
std::string with_txt_extension(std::string path);

// Each takes the Windows-1250 path of the chosen file; false when the file
// could not be written or read.
using FileCommand = std::function<bool(const std::string& cp1250_path)>;

// Asks for a text file, completes its name by with_txt_extension and writes
// it with `save`. A failed write is reported.
void save_to_chosen_file(QWidget* page, const QString& title, const QString& default_name,
                         const FileCommand& save);
// Asks for a text file and reads it with `load`. A failed read is reported;
// true only when a file was read.
bool load_from_chosen_file(QWidget* page, const QString& title, const QString& default_name,
                           const FileCommand& load);

// An OK box with the information icon.
void inform(QWidget* parent, const QString& text);

}  // namespace zor
