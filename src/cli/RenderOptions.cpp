#include "cli/RenderOptions.h"

#include "cli/CommandLineError.h"
#include "model/GraphemeText.h"
#include "store/BoardStore.h"

#include <cmath>
#include <functional>
#include <limits>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace {

struct KnownOption
{
    QString name;
    bool takesValue;
    std::function<void(RenderOptions&, const QString& name, const QString& value)> apply;
};

qint64 wholeNumber(const QString& name, const QString& value)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(value).hasMatch()) {
        throw CommandLineError(QStringLiteral("%1 expects a whole number, not \"%2\"").arg(name, value));
    }
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (ok) {
        return number;
    }
    // Too many digits is only far out of range; normalize() brings it back like any other value.
    return value.startsWith(u'-') ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
}

double finiteNumber(const QString& name, const QString& value)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(value, &ok);
    if (!ok || !std::isfinite(number)) {
        throw CommandLineError(QStringLiteral("%1 expects a finite number, not \"%2\"").arg(name, value));
    }
    return number;
}

template <typename Option>
Option choice(const QString& name, const QString& value, const QList<Option>& options,
    std::optional<Option> (*fromIdentifier)(const QString&))
{
    if (const auto option = fromIdentifier(value)) {
        return *option;
    }
    QStringList identifiers;
    for (const Option option : options) {
        identifiers << identifier(option);
    }
    throw CommandLineError(
        QStringLiteral("%1 expects %2, not \"%3\"").arg(name, identifiers.join(QStringLiteral("|")), value));
}

const QList<KnownOption>& knownOptions()
{
    using Options = RenderOptions;
    static const QList<KnownOption> known {
        { QStringLiteral("--output"), true,
            [](Options& options, const QString& name, const QString& value) {
                if (!options.output.isNull()) {
                    throw CommandLineError(QStringLiteral("%1 given more than once").arg(name));
                }
                options.output = value;
            } },
        { QStringLiteral("--columns"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.columns = wholeNumber(name, value);
            } },
        { QStringLiteral("--cell-aspect"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.cellAspect
                    = choice(name, value, allCellAspects(), cellAspectFromIdentifier);
            } },
        { QStringLiteral("--photo-fit"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.photoFit = choice(name, value, allPhotoFits(), photoFitFromIdentifier);
            } },
        { QStringLiteral("--background"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.background
                    = choice(name, value, allBoardBackgrounds(), boardBackgroundFromIdentifier);
            } },
        { QStringLiteral("--numbers"), false,
            [](Options& options, const QString&, const QString&) { options.overrides.showNumbers = true; } },
        { QStringLiteral("--no-numbers"), false,
            [](Options& options, const QString&, const QString&) { options.overrides.showNumbers = false; } },
        { QStringLiteral("--captions"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.captionMode
                    = choice(name, value, allCaptionModes(), captionModeFromIdentifier);
            } },
        { QStringLiteral("--caption"), true,
            [](Options& options, const QString&, const QString& value) {
                // Typed text, held to the window's caption field limit.
                options.captions << GraphemeText::prefix(value, BoardStore::maximumTypedCaptionCharacters);
            } },
        { QStringLiteral("--title"), true,
            [](Options& options, const QString&, const QString& value) { options.overrides.title = value; } },
        { QStringLiteral("--spacing"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.spacing = finiteNumber(name, value);
            } },
        { QStringLiteral("--padding"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.padding = finiteNumber(name, value);
            } },
        { QStringLiteral("--corner-radius"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.cornerRadius = finiteNumber(name, value);
            } },
        { QStringLiteral("--width"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.outputWidth = wholeNumber(name, value);
            } },
        { QStringLiteral("--caption-size"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.captionFontSize = finiteNumber(name, value);
            } },
        { QStringLiteral("--title-size"), true,
            [](Options& options, const QString& name, const QString& value) {
                options.overrides.titleFontSize = finiteNumber(name, value);
            } },
    };
    return known;
}

const KnownOption* findOption(const QString& name)
{
    for (const KnownOption& option : knownOptions()) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

bool isHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

RenderOptions::OutputFormat outputFormat(const QString& output)
{
    if (output == QLatin1String("-")) {
        return RenderOptions::OutputFormat::standardOutput;
    }
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return RenderOptions::OutputFormat::png;
    }
    if (suffix == QLatin1String("pdf")) {
        return RenderOptions::OutputFormat::pdf;
    }
    if (suffix == QLatin1String("tesserly")) {
        return RenderOptions::OutputFormat::project;
    }
    throw CommandLineError(
        QStringLiteral("OUTPUT must end in .png, .pdf or .tesserly, or be - for a PNG on standard output"));
}

void checkComplete(RenderOptions& options)
{
    if (options.inputs.isEmpty()) {
        throw CommandLineError(QStringLiteral("no INPUT given"));
    }
    if (options.output.isEmpty()) {
        throw CommandLineError(QStringLiteral("missing -o OUTPUT"));
    }
    options.outputFormat = outputFormat(options.output);
    const auto projects
        = std::count_if(options.inputs.cbegin(), options.inputs.cend(), RenderOptions::isProjectPath);
    if (projects > 0 && options.inputs.size() > 1) {
        throw CommandLineError(QStringLiteral("a .tesserly project must be the only INPUT"));
    }
    if (projects == 0 && options.captions.size() > options.inputs.size()) {
        throw CommandLineError(QStringLiteral("%1 captions given for %2 images")
                                   .arg(options.captions.size())
                                   .arg(options.inputs.size()));
    }
    // Captions given without a caption mode are meant to be seen.
    if (!options.captions.isEmpty() && !options.overrides.captionMode) {
        options.overrides.captionMode = CaptionMode::custom;
    }
}

} // namespace

bool RenderOptions::isProjectPath(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("tesserly"), Qt::CaseInsensitive) == 0;
}

bool RenderOptions::readsProject() const
{
    return inputs.size() == 1 && isProjectPath(inputs.first());
}

QStringList RenderOptions::optionNames()
{
    QStringList names;
    for (const KnownOption& option : knownOptions()) {
        names << option.name;
    }
    return names;
}

RenderOptions RenderOptions::parse(const QStringList& arguments)
{
    RenderOptions options;
    // Help and version win over everything else on the line, as with most tools.
    const qsizetype endOfOptions = arguments.indexOf(QStringLiteral("--"));
    const QStringList optionPart = endOfOptions < 0 ? arguments : arguments.mid(0, endOfOptions);
    if (std::any_of(optionPart.cbegin(), optionPart.cend(), isHelp)) {
        options.request = Request::help;
        return options;
    }
    if (optionPart.contains(QStringLiteral("--version"))) {
        options.request = Request::version;
        return options;
    }

    bool onlyInputs = false;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (onlyInputs) {
            options.inputs << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            onlyInputs = true;
            continue;
        }
        if (argument == QLatin1String("-")) {
            throw CommandLineError(
                QStringLiteral("images cannot be read from standard input; name the files"));
        }
        if (!argument.startsWith(u'-')) {
            options.inputs << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        QString name = equals < 0 ? argument : argument.left(equals);
        std::optional<QString> value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        }
        if (name == QLatin1String("-o")) {
            name = QStringLiteral("--output");
        }
        const KnownOption* known = name.startsWith(QLatin1String("--")) ? findOption(name) : nullptr;
        if (!known) {
            throw CommandLineError(QStringLiteral("unknown option \"%1\"").arg(argument));
        }
        if (!known->takesValue) {
            if (value) {
                throw CommandLineError(QStringLiteral("%1 takes no value").arg(name));
            }
        } else if (!value) {
            if (index + 1 >= arguments.size()) {
                throw CommandLineError(QStringLiteral("%1 needs a value").arg(name));
            }
            value = arguments.at(++index);
        }
        known->apply(options, name, value.value_or(QString()));
    }
    checkComplete(options);
    return options;
}
