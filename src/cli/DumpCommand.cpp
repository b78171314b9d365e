#include "cli/CliCommand.h"
#include "cli/CodeplugJson.h"

#include "codeplug/CodeplugFile.h"

#include "controller/FileStore.h"

#include <QJsonDocument>

namespace nerka::cli {

namespace {

int runDump(CliContext& context);

const CliCommand kDump{"dump", "FILE [--json]",
                       "print what a codeplug file holds (--json: one JSON object)", &runDump};
const CliRegistration kDumpRegistration{kDump};

int runDump(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    parser.addOption(json);
    if (auto code = parseArguments(context, kDump, parser, 1, 1))
        return *code;

    const QString path = parser.positionalArguments().first();
    const auto read = FileStore::read(path, FileStore::Kind::codeplug);
    if (const auto* failure = std::get_if<QString>(&read)) {
        context.out << "• Error: " << *failure << '\n';
        context.err << *failure << '\n';
        return kExitFailed;
    }
    auto decoded = decodeCodeplugFile(std::get<QByteArray>(read));
    if (auto* error = std::get_if<CodeplugError>(&decoded)) {
        context.out << "• Error: " << error->description() << '\n';
        context.err << error->description() << '\n';
        return kExitFailed;
    }
    const CodeplugImage& image = std::get<CodeplugImage>(decoded);
    if (parser.isSet(json))
        context.out << QJsonDocument(codeplugToJson(image)).toJson(QJsonDocument::Indented);
    else
        context.out << codeplugSummary(image);
    return kExitOk;
}

} // namespace

} // namespace nerka::cli
