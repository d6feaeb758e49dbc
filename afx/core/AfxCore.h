// The framework layer's non-window half: object model, exceptions, strings,
// collections, files and geometry. Includes <windows.h>.
#pragma once

#include "afx/core/AfxDefs.h"
#include "afx/core/RuntimeClass.h"
#include "afx/core/Object.h"
#include "afx/core/Exception.h"
#include "afx/core/MemoryException.h"
#include "afx/core/UserException.h"
#include "afx/core/NotSupportedException.h"
#include "afx/strings/String.h"
#include "afx/files/FileException.h"
#include "afx/files/ArchiveException.h"
#include "afx/strings/LoadString.h"
#include "afx/collections/Plex.h"
#include "afx/collections/ElementHelpers.h"
#include "afx/collections/Array.h"
#include "afx/collections/Map.h"
#include "afx/collections/ObArray.h"
#include "afx/collections/PtrArray.h"
#include "afx/collections/StringArray.h"
#include "afx/collections/DWordArray.h"
#include "afx/collections/UIntArray.h"
#include "afx/collections/WordArray.h"
#include "afx/collections/ByteArray.h"
#include "afx/collections/MapStringToString.h"
#include "afx/collections/MapStringToPtr.h"
#include "afx/collections/MapPtrToPtr.h"
#include "afx/collections/MapWordToPtr.h"
#include "afx/files/FileStatus.h"
#include "afx/files/File.h"
#include "afx/files/FileFind.h"
#include "afx/gdi/Size.h"
#include "afx/gdi/Point.h"
#include "afx/gdi/Rect.h"

// The archive is the program's own; only its name is needed here.
class CArchive;
