// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "application_facts.h"
#include "batch.h"
#include "projection.h"
#include "single_output.h"

#include <QCommandLineParser>
#include <filesystem>
#include <fstream>

namespace cli {
namespace {

struct Options {
    QCommandLineOption help{{"h", "help"}, "Shows this help and ends."};
    QCommandLineOption version{{"v", "version"}, "Shows the version and ends."};
    QCommandLineOption impressions{"impressions", "Ad impressions per day.", "N"};
    QCommandLineOption ctr{"ctr", "Click-through rate in percent, up to one decimal (2.5).", "P"};
    QCommandLineOption clicks{"clicks", "Clicks per day (instead of the CTR).", "N"};
    QCommandLineOption ecpm{"ecpm", "Dollars earned per 1000 impressions.", "D"};
    QCommandLineOption format{"format", "Output as text (the default), csv or json.",
                              "text|csv|json"};
    QCommandLineOption batch{"batch",
                             "Computes every row of a CSV file of sites (- reads standard "
                             "input); output as csv (the default) or json.",
                             "FILE"};

    const QCommandLineOption& of(Figure figure) const {
        switch (figure) {
        case Figure::Impressions:
            return impressions;
        case Figure::Ctr:
            return ctr;
        case Figure::Clicks:
            return clicks;
        case Figure::Ecpm:
            break;
        }
        return ecpm;
    }
};

void SetUp(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(
        "Projects a publisher's ad earnings from impressions, CTR or clicks, and eCPM, with the "
        "same figures and captions as the Varnel Interactive Calculator window.");
    for (const QCommandLineOption* option :
         {&options.impressions, &options.ctr, &options.clicks, &options.ecpm, &options.format,
          &options.batch, &options.help, &options.version})
        parser.addOption(*option);
}

// The usage problems: no value is computed when one of them is found.
class Usage {
public:
    Usage(const QCommandLineParser& parser, const Options& options)
        : parser_(parser), options_(options) {}

    std::optional<std::string> problem() const {
        if (!parser_.positionalArguments().isEmpty())
            return "unexpected argument " +
                   Quoted(parser_.positionalArguments().first().toStdString());
        for (const QString& name : parser_.optionNames()) {
            if (parser_.values(name).size() > 1)
                return "--" + name.toStdString() + " is given more than once";
        }
        if (parser_.isSet(options_.format) && !FormatNamed(formatName()))
            return "format " + Quoted(formatName()) + ": it must be text, csv or json";
        if (!parser_.isSet(options_.batch))
            return std::nullopt;
        for (const Figure figure : kAllFigures) {
            if (parser_.isSet(options_.of(figure)))
                return std::string("--batch takes its figures from the file, not from --") +
                       FigureName(figure);
        }
        if (formatName() == "text")
            return "a batch is written as csv or json, not as text";
        return std::nullopt;
    }

    std::string formatName() const { return parser_.value(options_.format).toStdString(); }

private:
    const QCommandLineParser& parser_;
    const Options& options_;
};

// Qt's first line names the program only when a QCoreApplication runs: ours names both forms.
std::string HelpText(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return std::string("Usage: ") + kProgramName +
           " [--impressions N] [--ctr P | --clicks N] [--ecpm D] [--format text|csv|json]\n" +
           "       " + kProgramName + " --batch FILE [--format csv|json]\n" +
           text.mid(text.indexOf('\n') + 1).toStdString();
}

int Fail(std::ostream& err, const std::string& message) {
    err << kProgramName << ": " << message << '\n';
    return kExitBadInput;
}

int RunOnce(const QCommandLineParser& parser, const Options& options, Format format,
            std::ostream& out, std::ostream& err) {
    Figures figures;
    for (const Figure figure : kAllFigures) {
        if (parser.isSet(options.of(figure)))
            figures[figure] = parser.value(options.of(figure)).toStdString();
    }
    const Projection projection = Project(figures);
    if (const auto* problem = std::get_if<Problem>(&projection))
        return Fail(err, Describe(*problem));
    out << RenderCaptions(std::get<Captions>(projection), format);
    return kExitOk;
}

int RunBatchFrom(const QString& file, Format format, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    if (file == "-")
        return RunBatch(in, out, err, format);
    const std::filesystem::path path(file.toStdString());
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return Fail(err, "cannot read " + Quoted(file.toStdString()) + ": it is a folder");
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return Fail(err, "cannot open " + Quoted(file.toStdString()));
    return RunBatch(stream, out, err, format);
}

} // namespace

int Run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    const Options options;
    QCommandLineParser parser;
    SetUp(parser, options);
    if (!parser.parse(arguments))
        return Fail(err, parser.errorText().toStdString());
    const Usage usage(parser, options);
    if (auto problem = usage.problem())
        return Fail(err, *problem);

    if (parser.isSet(options.help)) {
        out << HelpText(parser);
        return kExitOk;
    }
    if (parser.isSet(options.version)) {
        out << kProgramName << ' ' << application::VersionText().toStdString() << '\n';
        return kExitOk;
    }

    const bool batch = parser.isSet(options.batch);
    const Format format = parser.isSet(options.format) ? *FormatNamed(usage.formatName())
                          : batch                      ? Format::Csv
                                                       : Format::Text;
    if (batch)
        return RunBatchFrom(parser.value(options.batch), format, in, out, err);
    return RunOnce(parser, options, format, out, err);
}

} // namespace cli
