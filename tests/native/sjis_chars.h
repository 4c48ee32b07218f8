#pragma once

// Shift-JIS characters used by the native tests, as byte escapes: clang compiles these
// sources too and has no way to emit Shift-JIS from UTF-8 literals.
// Several second bytes are 0x5B '[', 0x5C '\' or 0x5D ']' on purpose.
#define SJ_CHOON "\x81\x5B"                           /* ー */
#define SJ_SO "\x83\x5C"                              /* ソ */
#define SJ_ZO "\x83\x5D"                              /* ゾ */
#define SJ_HYO "\x95\x5C"                             /* 表 */
#define SJ_NOU "\x94\x5C"                             /* 能 */
#define SJ_GE "\x83\x51"                              /* ゲ */
#define SJ_TSU "\x83\x63"                             /* ツ */
#define SJ_RU "\x83\x8B"                              /* ル */
#define SJ_MU "\x83\x80"                              /* ム */
#define SJ_ME "\x83\x81"                              /* メ */
#define SJ_TA "\x83\x5E"                              /* タ */
#define SJ_GU "\x83\x4F"                              /* グ */
#define SJ_BA "\x83\x6F"                              /* バ */
#define SJ_A "\x83\x41"                               /* ア: second byte is 'A' */
#define SJ_DI "\x83\x61"                              /* ヂ: second byte is 'a' */
#define SJ_KAN "\x8A\xBF"                             /* 漢 */
#define SJ_JI "\x8E\x9A"                              /* 字 */
#define SJ_SPACE "\x81\x40"                           /* full-width space */
#define SJ_LENS_OPEN "\x81\x79"                       /* 【 */
#define SJ_LENS_CLOSE "\x81\x7A"                      /* 】 */
#define SJ_FW_OPEN_PAREN "\x81\x69"                   /* （ */
#define SJ_FW_CLOSE_PAREN "\x81\x6A"                  /* ） */
#define SJ_DOUBLE_ANGLE_OPEN "\x81\x73"               /* 《 */
#define SJ_DOUBLE_ANGLE_CLOSE "\x81\x74"              /* 》 */
#define SJ_STAR "\x81\x9A"                            /* ★ */
#define SJ_KABU "\x8A\x94"                            /* 株 */
#define SJ_JUUYOU "\x8F\x64\x97\x76"                  /* 重要 */
#define SJ_GIJIROKU "\x8B\x63\x8E\x96\x98\x5E"        /* 議事録 */
#define SJ_FW_MEMO "\x82\x6C\x82\x85\x82\x8D\x82\x8F" /* Ｍｅｍｏ */

// The bracket sets used when the settings file holds none.
#define SJ_DEFAULT_OPENING \
    "[("                   \
    "\x81\x79"             \
    "\x81\x69"             \
    "\x81\x75"             \
    "{"                    \
    "\x81\x77"             \
    "<"                    \
    "\x81\x83"
#define SJ_DEFAULT_CLOSING \
    "])"                   \
    "\x81\x7A"             \
    "\x81\x6A"             \
    "\x81\x76"             \
    "}"                    \
    "\x81\x78"             \
    ">"                    \
    "\x81\x84"

