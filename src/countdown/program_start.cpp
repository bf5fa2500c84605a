#include "countdown/program_start.h"

#include "resources/language_choice.h"

ProgramStart startProgram(const std::vector<std::string>& args, ProgramOptions& options,
                          std::span<const std::string> systemLanguages) {
    ProgramStart start{parseCommandLine(args), Texts(), {}, {}};
    options.read();
    const std::string language = options.value("language");
    start.texts = chooseLanguage(start.line.language,
                                 language == "auto" ? std::nullopt : std::optional<std::string_view>(language),
                                 systemLanguages);
    if (options.unreadable()) start.warnings.push_back(start.texts.format(TextId::options_unreadable, {options.path()}));
    for (const ProgramOptions::Refused& refused : options.refused())
        start.warnings.push_back(start.texts.format(TextId::options_bad_value,
                                                    {options.path(), refused.key, refused.value, refused.defaultValue}));
    start.hotKeys = chosenHotKeys(options);
    return start;
}
