#include "cli/CliCommand.h"

#include "codeplug/CodeplugFile.h"
#include "controller/CodeplugDiff.h"

#include <QFile>
#include <QJsonDocument>

namespace nerka::cli {

namespace {

int runDiff(CliContext& context);

const CliCommand kDiff{"diff", "A B [--json]",
                       "record-level differences between two codeplug files (exit 0 same, "
                       "1 different, 2 error)",
                       &runDiff};
const CliRegistration kDiffRegistration{kDiff};

// Exit code of a failed comparison, as diff(1) has it.
constexpr int kExitTrouble = 2;

std::variant<CodeplugImage, QString> openImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": ") + file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return path + QStringLiteral(": ") + file.errorString();
    auto decoded = decodeCodeplugFile(bytes);
    if (const auto* error = std::get_if<CodeplugError>(&decoded))
        return path + QStringLiteral(": ") + error->description();
    return std::get<CodeplugImage>(std::move(decoded));
}

int trouble(CliContext& context, const QString& message) {
    context.err << "nerka-cli: diff: " << message << '\n';
    context.err.flush();
    return kExitTrouble;
}

int runDiff(CliContext& context) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print one JSON object instead of text."));
    parser.addOption(json);
    if (auto code = parseArguments(context, kDiff, parser, 2, 2))
        return *code;
    const QStringList files = parser.positionalArguments();
    auto a = openImage(files[0]);
    if (const auto* message = std::get_if<QString>(&a))
        return trouble(context, *message);
    auto b = openImage(files[1]);
    if (const auto* message = std::get_if<QString>(&b))
        return trouble(context, *message);
    const auto result = diffCodeplugs(std::get<CodeplugImage>(a), std::get<CodeplugImage>(b));
    if (const auto* message = std::get_if<QString>(&result))
        return trouble(context, *message);
    const CodeplugDiff& diff = std::get<CodeplugDiff>(result);
    if (parser.isSet(json)) {
        context.out << QJsonDocument(diffToJson(diff)).toJson(QJsonDocument::Indented);
    } else {
        for (const QString& line : diffText(diff))
            context.out << line << '\n';
    }
    context.out.flush();
    if (context.out.status() != QTextStream::Ok)
        return trouble(context, QStringLiteral("cannot write to standard output"));
    return diff.same() ? kExitOk : kExitFailed;
}

} // namespace

} // namespace nerka::cli
