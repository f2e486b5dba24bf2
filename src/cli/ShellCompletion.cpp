#include "cli/ShellCompletion.h"

#include "cli/HelpSections.h"

#include <QRegularExpression>

namespace {

struct CompletedOption
{
    QStringList names;
    bool takesValue = false;
    QStringList choices;
};

QList<CompletedOption> optionsOf(const QString& helpText)
{
    static const QRegularExpression choiceList(QStringLiteral("^([a-z]+(?:\\|[a-z]+)+)(?:\\s|$)"));
    QList<CompletedOption> options;
    for (const HelpSections::Block& block : HelpSections::parse(helpText)) {
        if (!block.heading.startsWith(QLatin1String("Options"))) {
            continue;
        }
        for (const HelpSections::Entry& entry : block.entries) {
            CompletedOption option;
            for (QString word : entry.term.split(u' ', Qt::SkipEmptyParts)) {
                if (word.endsWith(u',')) {
                    word.chop(1);
                }
                (word.startsWith(u'-') ? option.names : option.choices) << word;
            }
            option.takesValue = !option.choices.isEmpty();
            const QRegularExpressionMatch listed = choiceList.match(entry.description);
            option.choices = listed.hasMatch() ? listed.captured(1).split(u'|') : QStringList();
            options.append(option);
        }
    }
    return options;
}

// An extglob alternative matching the extensions in lower and upper case.
QString pattern(const QStringList& extensions)
{
    QStringList both;
    for (const QString& extension : extensions) {
        both << extension << extension.toUpper();
    }
    return both.join(u'|');
}

// %1: the input extensions, %2: the cases for option values, %3: every option name.
// clang-format off
const char* const scriptTemplate = R"bash(# bash completion for tesserly, made from `tesserly --help`.

_tesserly_files()
{
    local IFS=$'\n' pattern="!*.@($1)"
    compopt -o filenames 2>/dev/null
    # Folders too: a project package is one, and others lead to more files.
    COMPREPLY+=($( (shopt -s extglob; compgen -f -X "$pattern" -- "$cur"; compgen -d -- "$cur") | sort -u))
}

_tesserly()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()
    if [[ $COMP_CWORD -eq 1 ]]; then
        COMPREPLY=($(compgen -W 'render --help --version' -- "$cur"))
        _tesserly_files '%1'
        return
    fi
    if [[ ${COMP_WORDS[1]} != render ]]; then
        _tesserly_files '%1'
        return
    fi
    case $prev in
%2    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '%3' -- "$cur"))
        return
    fi
    _tesserly_files '%1'
}

complete -F _tesserly tesserly
)bash";
// clang-format on

} // namespace

QStringList ShellCompletion::inputExtensions()
{
    return { QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("heic"),
        QStringLiteral("heif"), QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("gif"),
        QStringLiteral("bmp"), QStringLiteral("tesserly") };
}

QStringList ShellCompletion::outputExtensions()
{
    return { QStringLiteral("png"), QStringLiteral("pdf"), QStringLiteral("tesserly") };
}

QString ShellCompletion::bash(const QString& helpText)
{
    QStringList names;
    QString cases;
    for (const CompletedOption& option : optionsOf(helpText)) {
        names << option.names;
        if (!option.takesValue) {
            continue;
        }
        const QString labels = option.names.join(u'|');
        if (option.names.contains(QStringLiteral("--output"))) {
            cases += QStringLiteral("        %1) _tesserly_files '%2'; return ;;\n")
                         .arg(labels, pattern(outputExtensions()));
        } else if (!option.choices.isEmpty()) {
            cases += QStringLiteral("        %1) COMPREPLY=($(compgen -W '%2' -- \"$cur\")); return ;;\n")
                         .arg(labels, option.choices.join(u' '));
        } else {
            cases += QStringLiteral("        %1) return ;;\n").arg(labels);
        }
    }
    return QString::fromUtf8(scriptTemplate).arg(pattern(inputExtensions()), cases, names.join(u' '));
}
