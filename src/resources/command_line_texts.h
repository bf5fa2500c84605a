// What the program says about its arguments: the usage text (--help) and the
// reasons an argument is refused, each shown after the argument in 「」. The
// console gets the table; a message box, whose proportional font cannot line
// up columns, gets one form a line, each short enough not to wrap.
#pragma once

#include <string_view>

inline constexpr std::string_view kUsageText =
    "使い方: QuillastorTimer [--name 名前] [時間 | --at 時刻]\n"
    "\n"
    "  25            25分 (数字だけなら分)\n"
    "  1:30:00       1時間30分 (時:分:秒)\n"
    "  4:30          4分30秒 (分:秒)\n"
    "  1h30m         1時間30分 (ほかに 45s, 2h, 1h5m10s)\n"
    "  1時間30分     1時間30分 (ほかに 3分, 45秒, 1時間30分10秒)\n"
    "  --at 15:30    次の15:30まで (過ぎていれば明日の15:30まで)\n"
    "  --name tea    「tea」という名前のタイマー (動いていれば時間を渡します)\n"
    "  --help        この説明を表示します\n"
    "  --version     名前とバージョンを表示します\n"
    "\n"
    "時間は1秒から99:59:59まで、時刻は0:00から23:59までです。\n"
    "時間を指定しないときは、前回の時間で起動します。\n"
    "名前は32文字までの文字、数字、- と _ です。\n";

inline constexpr std::string_view kUsageBoxText =
    "使い方: QuillastorTimer [--name 名前] [時間]\n"
    "\n"
    "25 で25分 (数字だけなら分)\n"
    "1:30:00 で1時間30分 (時:分:秒)\n"
    "4:30 で4分30秒 (分:秒)\n"
    "1h30m で1時間30分 (ほかに 45s, 2h)\n"
    "1時間30分 で1時間30分 (ほかに 3分, 45秒)\n"
    "--at 15:30 で次の15:30まで\n"
    "--name tea で「tea」という名前のタイマー\n"
    "--help でこの説明\n"
    "--version で名前とバージョン\n"
    "\n"
    "時間は1秒から99:59:59まで、\n"
    "時刻は0:00から23:59までです。\n"
    "時間がなければ前回の時間で起動します。\n";

// Below a refusal in a message box, instead of the usage text.
inline constexpr std::string_view kHelpHint = "使い方は QuillastorTimer --help で表示します。";

inline constexpr std::string_view kQuoteOpen = "「";
inline constexpr std::string_view kQuoteClose = "」";
inline constexpr std::string_view kBadDuration = "は時間として読めません。";
inline constexpr std::string_view kDurationOutOfRange = "は指定できません。時間は1秒から99:59:59までです。";
inline constexpr std::string_view kMoreThanOneTime = "は指定できません。時間は1つだけです。";
inline constexpr std::string_view kUnknownOption = "というオプションはありません。";
inline constexpr std::string_view kBadClockTime = "は時刻として読めません。時刻は0:00から23:59までです。";
inline constexpr std::string_view kMissingClockTime = "のあとに時刻を指定してください。時刻は 15:30 のように書きます。";
inline constexpr std::string_view kMissingName = "のあとに名前を指定してください。名前は tea のように書きます。";
inline constexpr std::string_view kBadName =
    "は名前に使えません。名前は32文字までの文字、数字、- と _ です。";
inline constexpr std::string_view kMoreThanOneName = "は指定できません。名前は1つだけです。";
