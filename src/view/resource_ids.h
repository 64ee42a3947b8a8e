#pragma once
// Identifiers of the program's resources, shared by the code and the .rc file.

#define kMainIcon 1
#define kHomeGlyph 100
#define kPreviewTemplate 200
#define kPreviewFrame 201
#define kPreviewSize 202
#define kFolderDialog 300
#define kFolderPath 301
#define kFolderTree 302
#define kFolderFiles 303
#define kFolderDrives 304
