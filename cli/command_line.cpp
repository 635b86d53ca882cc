// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/columns.h"
#include "cli/plan_output.h"
#include "cli/plan_request.h"
#include "cli/projection.h"
#include "cli/single_output.h"
#include "planning/plan.h"
#include "product/application_facts.h"
#include "product/version.h"

#include <QCommandLineParser>
#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace cli {
namespace {

constexpr const char* kUsage =
    "Usage: varnelcalc-cli [--impressions N] [--ctr P | --clicks N] [--ecpm D]\n"
    "                      [--format text|csv|tsv|json] [--numbers] [--no-header]\n"
    "       varnelcalc-cli [--goal D [--per PERIOD] [--solve impressions|ecpm|cpc]]\n"
    "                      [--impressions N | --pageviews N] [--ads-per-page N]\n"
    "                      [--fill-rate P] [--ctr P] [--ecpm D | --cpc D]\n"
    "                      [--paid-per click|impression] [--share P]\n"
    "                      [--growth P [--months N]] [--format text|csv|tsv|json]\n"
    "                      [--numbers] [--no-header]\n"
    "       varnelcalc-cli --batch FILE [--format text|csv|tsv|json] [--numbers]\n"
    "                      [--no-header]\n";

// Worked examples, their answers as the program prints them.
constexpr const char* kExamples =
    "\n"
    "Examples:\n"
    "  varnelcalc-cli --impressions 5000 --ctr 2.5 --ecpm 2\n"
    "      What 5000 impressions a day earn at a 2.5 % CTR and a $2.00 eCPM:\n"
    "      Monthly $304.10.\n"
    "  varnelcalc-cli --goal 1000 --ctr 2.5 --ecpm 2.5\n"
    "      The impressions a day that earn $1,000.00 a month: Needed impressions\n"
    "      13154 (Monthly $1,000.03; 13153 would show $999.96).\n"
    "  varnelcalc-cli --goal 1000 --impressions 10000 --ctr 2.5 --ecpm 2.5 --growth 5\n"
    "      Today's 10000 impressions earn $760.25 a month; the goal needs a traffic\n"
    "      change of +31.5 %, and 5 % more a month reaches it in month 7.\n"
    "  varnelcalc-cli --goal 50 --per day --solve ecpm --impressions 20000 --ctr 1\n"
    "      The eCPM at which 20000 impressions earn $50.00 a day: Needed eCPM $2.50.\n"
    "  varnelcalc-cli --goal 1000 --pageviews 4000 --ads-per-page 3 --fill-rate 85 \\\n"
    "                 --ctr 2.5 --ecpm 2.5\n"
    "      The page views a day that show the needed 13154 impressions with 3 ads a\n"
    "      page filled 85 % of the time: Needed page views 5159.\n"
    "  varnelcalc-cli --goal 1000 --share 68 --ctr 2.5 --ecpm 2.5\n"
    "      A goal net of a 68 % share: Needed impressions 19344, Net monthly\n"
    "      $1,000.03 after the nine (Gross monthly $1,470.63).\n"
    "  varnelcalc-cli --impressions 10000 --ctr 0.35 --cpc 0.40\n"
    "      Paid $0.40 a click: eCPM from CPC $1.40; --goal 1000 --solve cpc\n"
    "      finds Needed CPC $.94.\n"
    "  varnelcalc-cli --goal 500 --ecpm 3 --paid-per impression\n"
    "      Paid per impression, no CTR needed: Needed impressions 5481.\n"
    "  varnelcalc-cli --pageviews 40000 --ads-per-page 3 --fill-rate 85 --ctr 1.5 \\\n"
    "                 --ecpm 2.5\n"
    "      What a day earns for 1000 page views: Page RPM $6.38 ($255.00 over\n"
    "      40000 page views).\n"
    "  varnelcalc-cli --impressions 10000 --ctr 2.5 --ecpm 2.5 --growth 5 --months 12\n"
    "      Twelve months of 5 % more impressions a day each month: month 12 has\n"
    "      17105 impressions and earns $1,300.41, $12,101.29 in all.\n"
    "  varnelcalc-cli --batch sites.csv --format json\n"
    "      Every site in sites.csv (columns impressions, ctr or clicks, ecpm), one\n"
    "      JSON object a line.\n";
constexpr const char* kTryHelp = "Try 'varnelcalc-cli --help' for more information.\n";

// The modes of a run an option belongs to.
enum Modes : unsigned {
    kSingleRun = 1,
    kPlan = 2,
    kBatch = 4,
    kAnyMode = kSingleRun | kPlan | kBatch,
};

// One row of the options table: the option, what it sets (a figure or a plan's other input,
// if either) and the modes it belongs to. An option of plans alone makes a run a plan.
struct OptionRow {
    QCommandLineOption option;
    std::optional<Figure> figure;
    std::optional<planning::PlanInput> planInput;
    unsigned modes;
};

struct Options {
    using Input = planning::PlanInput;
    OptionRow impressions{{{"i", "impressions"}, "Ad impressions per day.", "N"},
                          Figure::Impressions,
                          {},
                          kSingleRun | kPlan};
    OptionRow ctr{
        {{"r", "ctr"},
         "Click-through rate in percent, up to one decimal (2.5); a plan takes two (0.35).",
         "P"},
        Figure::CTR,
        {},
        kSingleRun | kPlan};
    OptionRow clicks{{{"c", "clicks"}, "Clicks per day (instead of the CTR).", "N"},
                     Figure::Clicks,
                     {},
                     kSingleRun};
    OptionRow ecpm{{{"e", "ecpm"}, "Dollars earned per 1000 impressions.", "D"},
                   Figure::ECPM,
                   {},
                   kSingleRun | kPlan};
    OptionRow cpc{{{"C", "cpc"},
                   "Dollars earned per click, paid instead of the eCPM: a plan, whose eCPM is "
                   "CPC x CTR x 10.",
                   "D"},
                  {},
                  Input::CPC,
                  kPlan};
    OptionRow paidPer{{{"y", "paid-per"},
                       "What the pay is for: click (the default), or impression, when the "
                       "earnings do not wait for clicks and a plan needs no CTR.",
                       "click|impression"},
                      {},
                      {},
                      kPlan};
    OptionRow share{{{"S", "share"},
                     "Your share of what the ads earn, in percent up to two decimals (100 by "
                     "default): below 100 the goal is net, and the amounts are shown gross and "
                     "net.",
                     "P"},
                    {},
                    Input::Share,
                    kPlan};
    OptionRow goal{{{"g", "goal"},
                    "Plans for an income goal in dollars: the least impressions a day that earn "
                    "it, as the window shows the earnings.",
                    "D"},
                   {},
                   Input::Goal,
                   kPlan};
    OptionRow per{
        {{"p", "per"}, "The goal's period: day, week, month (the default) or year.", "PERIOD"},
        {},
        {},
        kPlan};
    OptionRow solve{{{"s", "solve"},
                     "Solves the goal for the impressions (the default), for the eCPM or for the "
                     "CPC, which need the impressions or the page views; an --ecpm (--cpc) given "
                     "then is today's.",
                     "impressions|ecpm|cpc"},
                    {},
                    {},
                    kPlan};
    OptionRow pageViews{{{"P", "pageviews"},
                         "Page views a day, instead of the impressions: they make page views x "
                         "ads per page x fill rate impressions.",
                         "N"},
                        {},
                        Input::PageViews,
                        kPlan};
    OptionRow adsPerPage{{{"a", "ads-per-page"}, "Ads on each page (1 by default).", "N"},
                         {},
                         Input::AdsPerPage,
                         kPlan};
    OptionRow fillRate{
        {{"F", "fill-rate"}, "Percent of the ads shown that are filled (100 by default).", "P"},
        {},
        Input::FillRate,
        kPlan};
    OptionRow growth{{{"G", "growth"},
                      "Grows the impressions a day by P percent a month, up to two decimals, "
                      "negative for a decline: a month table.",
                      "P"},
                     {},
                     Input::Growth,
                     kPlan};
    OptionRow months{{{"m", "months"}, "Months in the table, 1 to 120 (12 by default).", "N"},
                     {},
                     Input::Months,
                     kPlan};
    OptionRow format{
        {{"f", "format"}, "Output as text (the default), csv, tsv or json.", "text|csv|tsv|json"},
        {},
        {},
        kAnyMode};
    OptionRow batch{{{"b", "batch"},
                     "Computes every row of a CSV file of sites, read from standard input when "
                     "FILE is -; output as csv (the default), tsv, json or an aligned text table.",
                     "FILE"},
                    {},
                    {},
                    kBatch};
    OptionRow numbers{
        {{"n", "numbers"}, "CSV: plain numbers instead of the captions ($1,095.00 as 1095.00)."},
        {},
        {},
        kAnyMode};
    OptionRow noHeader{
        {{"H", "no-header"}, "CSV: no header record, for appending."}, {}, {}, kAnyMode};
    OptionRow help{{{"h", "help"}, "Shows this help and ends."}, {}, {}, kAnyMode};
    OptionRow version{{{"v", "version"}, "Shows the version and ends."}, {}, {}, kAnyMode};

    // The table, in the order of --help.
    std::array<const OptionRow*, 21> all() const {
        return {&impressions, &ctr,    &clicks, &ecpm,      &cpc,        &paidPer,  &share,
                &goal,        &per,    &solve,  &pageViews, &adsPerPage, &fillRate, &growth,
                &months,      &format, &batch,  &numbers,   &noHeader,   &help,     &version};
    }

    // The option an argument such as "--batch" or "-b" names, if any.
    const QCommandLineOption* named(const QString& argument) const {
        for (const OptionRow* row : all()) {
            for (const QString& name : row->option.names()) {
                if (argument == (name.size() == 1 ? "-" : "--") + name)
                    return &row->option;
            }
        }
        return nullptr;
    }
};

void SetUp(QCommandLineParser& parser, const Options& options) {
    parser.setApplicationDescription(
        "Projects a publisher's ad earnings from impressions, CTR or clicks, and\n"
        "eCPM, with the same figures and captions as the Varnel Interactive\n"
        "Calculator window; plans the traffic or the eCPM an income goal needs, and\n"
        "the months of a growing traffic.");
    for (const OptionRow* row : options.all())
        parser.addOption(row->option);
}

std::string Dashed(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + ArgumentBytes(name);
}

// "-ctr" is -c with the value "tr": when a stray argument follows it, the long option was meant.
std::string UnexpectedArgument(const QString& argument, const QStringList& arguments,
                               const Options& options) {
    const std::string problem = "unexpected argument " + Quoted(ArgumentBytes(argument));
    for (qsizetype at = 2; at < arguments.size(); ++at) {
        const QString& before = arguments[at - 1];
        const QCommandLineOption* shortOption = options.named(before.left(2));
        if (arguments[at] != argument || before.startsWith(QLatin1String("--")) ||
            before.size() < 3 || !shortOption || shortOption->valueName().isEmpty() ||
            !options.named('-' + before))
            continue;
        return problem + ": " + ArgumentBytes(before.left(2)) + " took " +
               Quoted(ArgumentBytes(before.mid(2))) + " as its value; did you mean -" +
               ArgumentBytes(before) + "?";
    }
    return problem;
}

// "--" ends the options. An option that wants a value and stands just before it takes the
// first argument after it, so that "--batch -- -sites.csv" reads a file named "-sites.csv".
QStringList WithEndOfOptions(QStringList arguments, const Options& options) {
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    if (end < 2 || end + 1 >= arguments.size())
        return arguments;
    const QCommandLineOption* option = options.named(arguments[end - 1]);
    if (!option || option->valueName().isEmpty())
        return arguments;
    arguments[end - 1] = "--" + option->names().last() + "=" + arguments[end + 1];
    arguments.removeAt(end + 1);
    return arguments;
}

// Why the parser stopped, in the program's words.
std::string ParseProblem(const QCommandLineParser& parser, const QStringList& arguments,
                         const Options& options) {
    if (!parser.unknownOptionNames().isEmpty())
        return "unknown option " + Quoted(Dashed(parser.unknownOptionNames().first()));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        const qsizetype equals = argument.indexOf('=');
        const QCommandLineOption* option =
            options.named(equals < 0 ? argument : argument.left(equals));
        if (!option)
            continue;
        if (option->valueName().isEmpty() && equals >= 0)
            return Dashed(option->names().last()) + " takes no value";
        if (!option->valueName().isEmpty() && equals < 0 && i + 1 == arguments.size())
            return Dashed(option->names().last()) + " needs a value";
    }
    return parser.errorText().toStdString();
}

// The usage problems: no value is computed when one of them is found.
class Usage {
public:
    Usage(const QCommandLineParser& parser, const QStringList& arguments, const Options& options)
        : parser_(parser), arguments_(arguments), options_(options) {}

    std::optional<std::string> problem() const {
        if (!parser_.positionalArguments().isEmpty())
            return UnexpectedArgument(parser_.positionalArguments().first(), arguments_, options_);
        for (const OptionRow* row : options_.all()) {
            qsizetype given = 0;
            for (const QString& name : row->option.names())
                given += parser_.optionNames().count(name);
            if (given > 1)
                return Dashed(row->option.names().last()) + " is given more than once";
        }
        if (parser_.isSet(options_.format.option) && !FormatNamed(formatName()))
            return "format " + Quoted(formatName()) + ": it must be text, csv, tsv or json";
        const Format format = output().format;
        if (format != Format::Csv && format != Format::Tsv) {
            for (const OptionRow* row : {&options_.numbers, &options_.noHeader}) {
                if (isSet(*row))
                    return Dashed(row->option.names().last()) + " is for csv or tsv output";
            }
        }
        if (isSet(options_.batch))
            return batchProblem();
        if (auto blank = blankFigure())
            return blank;
        return planProblem();
    }

    std::string formatName() const { return ArgumentBytes(parser_.value(options_.format.option)); }

    bool plan() const {
        return std::ranges::any_of(options_.all(), [&](const OptionRow* row) {
            return row->modes == kPlan && isSet(*row);
        });
    }

    // The plan asked, or why it cannot be: its inputs' own checks are the engine's.
    std::variant<planning::PlanTexts, std::string> planRequest() const {
        planning::PlanTexts inputs;
        for (const OptionRow* row : options_.all()) {
            if (row->planInput)
                inputs[*row->planInput] = ArgumentBytes(parser_.value(row->option));
        }
        inputs.per = planning::PeriodNamed(value(options_.per)).value_or(calc::Period::Month);
        inputs.solve =
            planning::SolveNamed(value(options_.solve)).value_or(planning::Solve::Impressions);
        inputs.paid =
            planning::PaidPerNamed(value(options_.paidPer)).value_or(planning::PaidPer::Click);
        return PlanRequest(figures(), std::move(inputs));
    }

    // The figures given, for a single run or a plan.
    Figures figures() const {
        Figures figures;
        for (const OptionRow* row : options_.all()) {
            if (row->figure && isSet(*row))
                figures[*row->figure] = ArgumentBytes(parser_.value(row->option));
        }
        return figures;
    }

    Output output() const {
        Output output;
        const std::optional<Format> named = FormatNamed(formatName());
        output.format = named ? *named : isSet(options_.batch) ? Format::Csv : Format::Text;
        output.numbers = isSet(options_.numbers);
        output.header = !isSet(options_.noHeader);
        return output;
    }

private:
    bool isSet(const OptionRow& row) const { return parser_.isSet(row.option); }

    std::string value(const OptionRow& row) const {
        return ArgumentBytes(parser_.value(row.option).toLower());
    }

    std::optional<std::string> batchProblem() const {
        for (const OptionRow* row : options_.all()) {
            if ((row->modes & kBatch) || !isSet(*row))
                continue;
            const std::string name = Dashed(row->option.names().last());
            if (row->figure)
                return "--batch takes its figures from the file, not from " + name;
            std::string problem = name + " is for a single run";
            const char* column = row->planInput ? planning::PlanInputName(*row->planInput) : "";
            if (PlanColumnOf(column))
                problem += std::string("; a batch reads it from the column ") + column;
            return problem;
        }
        return std::nullopt;
    }

    // A figure of blanks is no figure, whether the run is a plan or not.
    std::optional<std::string> blankFigure() const {
        for (const OptionRow* row : options_.all()) {
            const bool input = row->figure || row->planInput;
            if (input && isSet(*row) && parser_.value(row->option).trimmed().isEmpty())
                return Dashed(row->option.names().last()) + " needs a value";
        }
        return std::nullopt;
    }

    std::optional<std::string> planProblem() const {
        if (!plan())
            return std::nullopt;
        const auto needs = [&](const OptionRow& row, const OptionRow& with) {
            return isSet(row) && !isSet(with);
        };
        for (const OptionRow* row : {&options_.per, &options_.solve}) {
            if (needs(*row, options_.goal))
                return Dashed(row->option.names().last()) + " is for a goal: give --goal too";
        }
        if (needs(options_.months, options_.growth))
            return "--months is for a growth: give --growth too";
        if (isSet(options_.per) && !planning::PeriodNamed(value(options_.per)))
            return "period " + Quoted(value(options_.per)) +
                   ": it must be day, week, month or year";
        if (isSet(options_.solve) && !planning::SolveNamed(value(options_.solve)))
            return "solve " + Quoted(value(options_.solve)) +
                   ": it must be impressions, ecpm or cpc";
        if (isSet(options_.paidPer) && !planning::PaidPerNamed(value(options_.paidPer)))
            return BadPaidPer(value(options_.paidPer));
        if (const auto request = planRequest(); std::holds_alternative<std::string>(request))
            return std::get<std::string>(request);
        return std::nullopt;
    }

    const QCommandLineParser& parser_;
    const QStringList& arguments_;
    const Options& options_;
};

// Qt's first line names the program only when a QCoreApplication runs: ours names both forms.
std::string HelpText(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return kUsage + text.mid(text.indexOf('\n') + 1).toStdString() + kExamples;
}

// A problem with the command line: one line in the program's words and where to learn more.
int UsageError(std::ostream& err, const std::string& message) {
    ErrorLine(err) << message << '\n' << kTryHelp;
    return kExitBadInput;
}

int Fail(std::ostream& err, const std::string& message) {
    ErrorLine(err) << message << '\n';
    return kExitBadInput;
}

// Sends a run's figures out at once, so that a failure to write them is told here with the
// system's reason, and not by whichever later write happens to send them.
int WriteOut(std::ostream& out, std::ostream& err, const std::string& text) {
    errno = 0;
    if (out << text << std::flush)
        return kExitOk;
    return Fail(err, WriteFailure());
}

// A refusal of what the command line asks is a usage problem; the others are the figures'.
int RunPlan(const planning::PlanTexts& texts, const Output& output, std::ostream& out,
            std::ostream& err) {
    const planning::PlanAnswer answer = planning::MakePlan(texts);
    if (const auto* refusal = std::get_if<planning::PlanRefusal>(&answer)) {
        using planning::RefusalKind;
        const bool asked = refusal->kind == RefusalKind::BadInput ||
                           refusal->kind == RefusalKind::Missing ||
                           refusal->kind == RefusalKind::Conflict;
        const std::string clause = RefusalClause(*refusal);
        return asked ? UsageError(err, clause) : Fail(err, clause);
    }
    return WriteOut(out, err, RenderPlan(std::get<planning::Plan>(answer), output));
}

int RunOnce(const Figures& figures, const Output& output, std::ostream& out, std::ostream& err) {
    const Projection projection = Project(figures);
    if (const auto* problem = std::get_if<Problem>(&projection))
        return UsageError(err, problem->description);
    if (WriteOut(out, err, RenderCaptions(std::get<calc::Captions>(projection), output)) != kExitOk)
        return kExitBadInput;
    if (!figures[Figure::CTR] && !figures[Figure::Clicks])
        ErrorLine(err) << "note: without a CTR or clicks there are no clicks, and the earnings "
                          "are $0.00\n";
    return kExitOk;
}

int RunBatchFrom(const QString& file, const Output& output, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    if (file == "-")
        return RunBatch(in, out, err, output);
    const std::string name = ArgumentBytes(file);
    const std::filesystem::path path(name);
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return Fail(err, "cannot read " + Quoted(name) + ": it is a folder");
    errno = 0;
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return Fail(err, "cannot open " + Quoted(name) + SystemReason());
    return RunBatch(stream, out, err, output);
}

} // namespace

int Run(const QStringList& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
    if (arguments.size() <= 1) {
        err << kUsage << kTryHelp;
        return kExitBadInput;
    }
    const Options options;
    QCommandLineParser parser;
    SetUp(parser, options);
    const QStringList parsed = WithEndOfOptions(arguments, options);
    if (!parser.parse(parsed))
        return UsageError(err, ParseProblem(parser, parsed, options));
    const Usage usage(parser, parsed, options);
    if (auto problem = usage.problem())
        return UsageError(err, *problem);

    if (parser.isSet(options.help.option))
        return WriteOut(out, err, HelpText(parser));
    if (parser.isSet(options.version.option)) {
        // The first line as other tools' have it, then the version as the window shows it.
        return WriteOut(out, err,
                        std::string(kProgramName) + ' ' + std::to_string(product::version::kMajor) +
                            '.' + std::to_string(product::version::kMinor) + '.' +
                            std::to_string(product::version::kRevision) + '\n' +
                            product::MainWindowCaption().toStdString() + '\n');
    }
    if (parser.isSet(options.batch.option))
        return RunBatchFrom(parser.value(options.batch.option), usage.output(), in, out, err);
    if (usage.plan())
        return RunPlan(std::get<planning::PlanTexts>(usage.planRequest()), usage.output(), out,
                       err);
    return RunOnce(usage.figures(), usage.output(), out, err);
}

} // namespace cli
