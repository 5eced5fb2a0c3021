// Formula token ids, flag bits and field layouts of the 97-2003 file format
// (the parsed-expression tokens of [MS-XLS], BIFF8 forms), each named once.
// The compiler and the decompiler use these names, never the numbers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls::tokens::ptg {

// Tokens without a class: control tokens, operators and literals.
inline constexpr uint8_t kExp = 0x01;       // points at a shared or array formula's base cell
inline constexpr uint8_t kTbl = 0x02;       // points at a data table
inline constexpr uint8_t kAdd = 0x03;
inline constexpr uint8_t kSub = 0x04;
inline constexpr uint8_t kMul = 0x05;
inline constexpr uint8_t kDiv = 0x06;
inline constexpr uint8_t kPower = 0x07;
inline constexpr uint8_t kConcat = 0x08;
inline constexpr uint8_t kLt = 0x09;
inline constexpr uint8_t kLe = 0x0A;
inline constexpr uint8_t kEq = 0x0B;
inline constexpr uint8_t kGe = 0x0C;
inline constexpr uint8_t kGt = 0x0D;
inline constexpr uint8_t kNe = 0x0E;
inline constexpr uint8_t kIsect = 0x0F;     // the space operator; the engine has none
inline constexpr uint8_t kUnion = 0x10;
inline constexpr uint8_t kRange = 0x11;
inline constexpr uint8_t kUplus = 0x12;
inline constexpr uint8_t kUminus = 0x13;
inline constexpr uint8_t kPercent = 0x14;
inline constexpr uint8_t kParen = 0x15;
inline constexpr uint8_t kMissArg = 0x16;
inline constexpr uint8_t kStr = 0x17;
inline constexpr uint8_t kExtended = 0x18;  // a second id byte follows (pivot and extended tokens)
inline constexpr uint8_t kAttr = 0x19;
inline constexpr uint8_t kErr = 0x1C;
inline constexpr uint8_t kBool = 0x1D;
inline constexpr uint8_t kInt = 0x1E;
inline constexpr uint8_t kNum = 0x1F;

// Classed tokens: the id byte is a base id from this list ORed with a class.
inline constexpr uint8_t kArray = 0x00;
inline constexpr uint8_t kFunc = 0x01;
inline constexpr uint8_t kFuncVar = 0x02;
inline constexpr uint8_t kName = 0x03;
inline constexpr uint8_t kRef = 0x04;
inline constexpr uint8_t kArea = 0x05;
inline constexpr uint8_t kMemArea = 0x06;
inline constexpr uint8_t kMemErr = 0x07;
inline constexpr uint8_t kMemNoMem = 0x08;
inline constexpr uint8_t kMemFunc = 0x09;
inline constexpr uint8_t kRefErr = 0x0A;
inline constexpr uint8_t kAreaErr = 0x0B;
inline constexpr uint8_t kRefN = 0x0C;
inline constexpr uint8_t kAreaN = 0x0D;
inline constexpr uint8_t kNameX = 0x19;
inline constexpr uint8_t kRef3d = 0x1A;
inline constexpr uint8_t kArea3d = 0x1B;
inline constexpr uint8_t kRefErr3d = 0x1C;
inline constexpr uint8_t kAreaErr3d = 0x1D;

// The class bits of a classed id, and what is left of the id without them.
inline constexpr uint8_t kClassReference = 0x20;
inline constexpr uint8_t kClassValue = 0x40;
inline constexpr uint8_t kClassArray = 0x60;
inline constexpr uint8_t kClassMask = 0x60;
inline constexpr uint8_t kBaseMask = 0x1F;
inline constexpr uint8_t kReservedBit = 0x80;  // set in no BIFF8 token id

// PtgAttr: a flags byte telling which attribute it is, then a 16-bit field.
inline constexpr uint8_t kAttrSemi = 0x01;     // volatile formula marker
inline constexpr uint8_t kAttrIf = 0x02;       // IF's jump to the false branch
inline constexpr uint8_t kAttrChoose = 0x04;   // CHOOSE's jump table follows
inline constexpr uint8_t kAttrGoto = 0x08;     // jump past the rest of an IF or CHOOSE
inline constexpr uint8_t kAttrSum = 0x10;      // SUM of one argument
inline constexpr uint8_t kAttrBaxcel = 0x20;   // assignment-style formula marker
inline constexpr uint8_t kAttrSpace = 0x40;    // white space kept for display
inline constexpr uint8_t kAttrKnownBits =
    kAttrSemi | kAttrIf | kAttrChoose | kAttrGoto | kAttrSum | kAttrBaxcel | kAttrSpace;

// PtgFuncVar: the argument-count byte and the function field.
inline constexpr uint8_t kFuncVarCountMask = 0x7F;
inline constexpr uint16_t kFunctionNumberMask = 0x7FFF;
inline constexpr uint16_t kCommandEquivalentBit = 0x8000;  // a macro-sheet command, not a function

// Cell coordinates (RgceLoc, RgceArea and the relative forms): a 16-bit row,
// then a 16-bit field holding the column and the two relative flags.
inline constexpr uint16_t kColumnMask = 0x3FFF;
inline constexpr uint16_t kColumnRelativeBit = 0x4000;
inline constexpr uint16_t kRowRelativeBit = 0x8000;
inline constexpr uint16_t kColumnOffsetMask = 0x00FF;  // a relative column in PtgRefN/PtgAreaN: signed 8 bits

// PtgStr holds a short unicode string: character count byte, flags byte.
inline constexpr uint8_t kStringHighByte = 0x01;  // 16-bit characters follow; otherwise 8-bit
inline constexpr size_t kMaxStringLength = 255;   // characters (UTF-16 units)

// Field sizes of tokens the decompiler steps over.
inline constexpr size_t kLocSize = 4;         // row, column field
inline constexpr size_t kAreaSize = 8;        // two rows, two column fields
inline constexpr size_t kSheetIndexSize = 2;  // the EXTERNSHEET index of 3D tokens
inline constexpr size_t kMemHeaderSize = 4;   // unused bytes before PtgMemArea/Err/NoMem's length

// Error codes of PtgErr.
inline constexpr uint8_t kErrorNull = 0x00;
inline constexpr uint8_t kErrorDiv0 = 0x07;
inline constexpr uint8_t kErrorValue = 0x0F;
inline constexpr uint8_t kErrorRef = 0x17;
inline constexpr uint8_t kErrorName = 0x1D;
inline constexpr uint8_t kErrorNum = 0x24;
inline constexpr uint8_t kErrorNA = 0x2A;

// The largest token stream a formula record's 16-bit length can describe.
inline constexpr size_t kMaxFormulaBytes = 0xFFFF;

}  // namespace spreadsheet::xls::tokens::ptg
