#include "help_pages.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <string_view>

namespace kalvora::ui {

namespace {

/// A help document and the stems of its page in Spanish and in English. The clothing help has
/// a document per language; a request for the other language's document shows the same topic
/// in the language of the run.
struct Document
{
    std::string_view fileName;
    const char *es;
    const char *en;
};

constexpr Document kDocuments[] = {
    { "taire1.doc", "taire1", "taire1" },
    { "tglobo1.doc", "tglobo1", "tglobo1" },
    { "tglobo2.doc", "tglobo2", "tglobo2" },
    { "tbhn.doc", "tbhn", "tbhn" },
    { "Metabolismo1.doc", "Metabolismo1", "Metabolismo1" },
    { "Metabolismo2.doc", "Metabolismo2", "Metabolismo2" },
    { "Metabolismo3.doc", "Metabolismo3", "Metabolismo3" },
    { "Iclo1.doc", "Iclo1", "Icloe1" },
    { "Iclo2.doc", "Iclo2", "Icloe2" },
    { "Icloe1.doc", "Iclo1", "Icloe1" },
    { "Icloe2.doc", "Iclo2", "Icloe2" },
};

const Document *documentOf(const std::string &fileName)
{
    const auto found = std::find_if(std::begin(kDocuments), std::end(kDocuments),
        [&](const Document &document) { return document.fileName == fileName; });
    return found == std::end(kDocuments) ? nullptr : found;
}

} // namespace

bool isHelpDocument(const std::string &fileName)
{
    return documentOf(fileName) != nullptr;
}

QString helpPageResource(const std::string &fileName, model::Language language)
{
    const Document *document = documentOf(fileName);
    if (!document)
        return {};
    return language == model::Language::English
        ? QStringLiteral(":/help/en/%1.html").arg(QLatin1String(document->en))
        : QStringLiteral(":/help/es/%1.html").arg(QLatin1String(document->es));
}

QString helpDocumentFile(const std::string &fileName)
{
    if (!isHelpDocument(fileName))
        return {};
    // A bare file name: looked up in the program's working folder, nowhere else.
    const QFileInfo file(QDir::current(), QString::fromStdString(fileName));
    return file.isFile() ? file.absoluteFilePath() : QString();
}

} // namespace kalvora::ui
