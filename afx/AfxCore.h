// The framework layer's non-window half: object model, exceptions, strings,
// collections, files and geometry. Includes <windows.h>.
#pragma once

#include "afx/AfxDefs.h"
#include "afx/RuntimeClass.h"
#include "afx/Object.h"
#include "afx/Exception.h"
#include "afx/MemoryException.h"
#include "afx/UserException.h"
#include "afx/NotSupportedException.h"
#include "afx/String.h"
#include "afx/FileException.h"
#include "afx/ArchiveException.h"
#include "afx/LoadString.h"
#include "afx/Plex.h"
#include "afx/ElementHelpers.h"
#include "afx/Array.h"
#include "afx/Map.h"
#include "afx/ObArray.h"
#include "afx/PtrArray.h"
#include "afx/StringArray.h"
#include "afx/DWordArray.h"
#include "afx/UIntArray.h"
#include "afx/WordArray.h"
#include "afx/ByteArray.h"
#include "afx/MapStringToString.h"
#include "afx/MapStringToPtr.h"
#include "afx/MapPtrToPtr.h"
#include "afx/MapWordToPtr.h"
#include "afx/FileStatus.h"
#include "afx/File.h"
#include "afx/FileFind.h"
#include "afx/Size.h"
#include "afx/Point.h"
#include "afx/Rect.h"

// The archive is the program's own; only its name is needed here.
class CArchive;
