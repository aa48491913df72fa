#include "LoadFigures.h"

#include "BaselineTableModel.h"
#include "BenchData.h"
#include "BenchPrompts.h"
#include "PaintWaiter.h"

#include "catalogs/IniFile.h"
#include "model/Hex.h"
#include "model/ModuleImage.h"
#include "model/ScriptParser.h"
#include "ui/common/DisplayText.h"
#include "ui/steplist/StepListView.h"
#include "ui/window/MainWindow.h"

#include <QtCore/QFile>
#include <QtCore/QSettings>
#include <QtWidgets/QTreeView>

#include <memory>

namespace {

bool writeFile(const QString& path, const char* data, std::size_t size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(data, static_cast<qint64>(size)) == static_cast<qint64>(size);
}

std::string errorsIni()
{
    std::string text = "[ERRORS]\r\n0xFFFF=No result\r\n";
    for (int code = 1; code <= LoadFigures::kCatalogEntries; ++code)
        text += "0x" + pst::hexUpper(static_cast<std::uint16_t>(code), 4) + "=Error text " + std::to_string(code) + "\r\n";
    return text;
}

QList<QString> displayStrings(const std::vector<std::string>& texts)
{
    QList<QString> out;
    out.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        out << QString::fromStdString(text);
    return out;
}

} // namespace

LoadFigures::LoadFigures()
{
    if (!m_dir.isValid())
        return;
    writeFiles();
    prepareStrings();
}

void LoadFigures::writeFiles()
{
    const pst::Bytes& module = pst::bench::roylScript(kSteps);
    const std::string& descriptions = pst::bench::modDescr(kCatalogEntries);
    const std::string errors = errorsIni();
    m_module = m_dir.filePath(QStringLiteral("id28.rpm"));
    const bool ok = writeFile(m_module, reinterpret_cast<const char*>(module.data()), module.size())
        && writeFile(m_dir.filePath(QStringLiteral("ModDescr.ini")), descriptions.data(), descriptions.size())
        && writeFile(m_dir.filePath(QStringLiteral("Errors.ini")), errors.data(), errors.size());
    if (!ok)
        m_dir.remove();
}

// The texts the window shows, as the baseline's ready-made strings.
void LoadFigures::prepareStrings()
{
    const pst::IniFile catalog = pst::IniFile::parse(std::string_view(pst::bench::modDescr(kCatalogEntries)));
    const pst::ParsedScript parsed =
        pst::parseScriptImage(pst::ModuleImage(pst::bench::roylScript(kSteps)), catalog);
    for (const pst::StepRow& row : parsed.rows) {
        m_idTexts.push_back(row.caption);
        m_descriptionTexts.push_back(row.description);
    }
    m_ids = displayStrings(m_idTexts);
    m_descriptions = displayStrings(m_descriptionTexts);
}

Timing LoadFigures::windowLoad()
{
    auto prompts = std::make_unique<BenchPrompts>();
    BenchPrompts& said = *prompts;
    WindowSetup setup;
    setup.catalogFolder = pathFromDisplay(m_dir.path());
    setup.prompts = std::move(prompts);
    const QString settings = m_dir.filePath(QStringLiteral("settings.ini"));
    setup.settings = [settings] { return std::make_unique<QSettings>(settings, QSettings::IniFormat); };
    EditorSession session(std::move(setup));
    TfmScript window(session);
    PaintWaiter shown(&window);
    window.show();
    if (!shown.wait())
        return {};

    PaintWaiter painted(window.lvScript()->viewport());
    const Stopwatch clock;
    window.loadFile(m_module);
    const bool ok = painted.wait();
    const Timing took = clock.elapsed();
    m_listSize = window.lvScript()->size();
    if (!ok || said.failed || window.editor().steps().size() != kSteps)
        return {};
    return took;
}

Timing LoadFigures::baseline(bool convertTexts)
{
    const Stopwatch clock;
    auto model = convertTexts
        ? std::make_unique<BaselineTableModel>(displayStrings(m_idTexts), displayStrings(m_descriptionTexts))
        : std::make_unique<BaselineTableModel>(m_ids, m_descriptions);
    QTreeView view;
    view.setModel(model.get());
    view.resize(m_listSize);
    PaintWaiter painted(view.viewport());
    view.show();
    const bool ok = painted.wait();
    const Timing took = clock.elapsed();
    view.setModel(nullptr);
    return ok ? took : Timing{};
}
