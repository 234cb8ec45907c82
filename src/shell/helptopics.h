#pragma once
// Context help without widgets: the topic list of every workspace, the
// reading of one section out of a help file, and the topic that the table
// help buttons of the motion workspaces choose.
//
// A help file is plain text in the formula markup; a section is a line
// "[" key "]" (the whole line, exact case, no blanks), its text lines, and
// a line "[STOP]". Text outside sections is ignored.
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "shell/defaults.h"

namespace shell {

// Help files of the data folder.
inline constexpr char kHelpCalcFile[] = "\\HelpCalc.txt";
inline constexpr char kStatPartFile[] = "\\StatPart.txt";
inline constexpr char kHelpEstcrFile[] = "\\HelpEstcr.txt";
inline constexpr char kHelpMruaFile[] = "\\HelpMrua.txt";
inline constexpr char kHelpTPFile[] = "\\HelpTP.txt";
inline constexpr char kHelpKinemFile[] = "\\HelpKinem.txt";
inline constexpr char kGeneralHelpFile[] = "\\hilfe1.txt";
inline constexpr char kGeneralHelpKey[] = "GRAL0";

// One entry of a topic list: its title (UTF-8, as listed) and the section
// that choosing it loads.
struct HelpTopic {
    const char* title;
    const char* file;
    const char* key;
};

// The topics of a workspace in list order; none for kNoWorkspace.
std::span<const HelpTopic> HelpTopics(WorkspaceId mode);

// The text of section `key`: its lines joined with CR LF. Nothing when the
// key line is missing or the section has no "[STOP]" line. A "[STOP]" right
// after the key line closes an empty section.
std::optional<QString> HelpSection(const QStringList& lines, const QString& key);

// The topic index that table help button `button` (0 table set-up, 1
// pictured procedures, 2 listed procedures) of workspace `mode` chooses,
// given the chosen picture (1..5) and the list index of the listed
// procedures (-1 none). Nothing when the list is to stay as it is.
std::optional<int> TableHelpTopic(WorkspaceId mode, int button, int picture, int listIndex);

}  // namespace shell
