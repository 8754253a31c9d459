#include "ui/HelpFile.h"

#include "lang/UserText.h"

namespace snapwright {

HelpFile::HelpFile(IShell& shell, const IFileSystem& files, IUserMessages& messages)
    : m_shell(shell), m_files(files), m_messages(messages) {}

std::string HelpFile::Path() const {
    return m_files.ProgramFolder() + "\\" + kName;
}

void HelpFile::Open(int language) {
    const std::string path = Path();
    if (!m_files.Stamp(path)) {
        m_messages.ShowError(UserText(TextId::HelpFileMissingMessage, language, {{"file", path}}));
        return;
    }
    m_shell.Open(path, ShowAs::Maximized);
}

}  // namespace snapwright
