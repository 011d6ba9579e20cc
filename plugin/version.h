/* The plug-in's version 8.1.4, build 83. Plain macros: the resource compiler reads this file
   for the version resource, and GetVersion answers the first three parts as one number. */
#pragma once

#define MTP_VERSION_MAJOR 8
#define MTP_VERSION_MINOR 1
#define MTP_VERSION_PATCH 4
#define MTP_VERSION_BUILD 83
#define MTP_VERSION_TEXT "8.1.4.83"
