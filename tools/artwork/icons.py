"""The program's icons as pixel maps, one character per pixel.

"." is transparent. The list icons never use RGB 192, 192, 192: the image list
that holds them treats that grey as its mask colour, so light grey here is
#DCDCDC. Every icon stays within 16 colours besides transparency.
"""

BASE = {
    ".": "None",
    "k": "#000000",   # outline
    "w": "#FFFFFF",
    "l": "#DCDCDC",   # light grey
    "g": "#808080",   # dark grey
}


def legend(**extra):
    d = dict(BASE)
    d.update(extra)
    return d


# The program icon: a monitor showing a Vanu startup screen (sky, the V with
# its rising sun, the coloured band along the bottom).
PROGRAM = [
    "................................",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    ".kwwwwwwwwwwwwwwwwwwwwwwwwwwwlk.",
    ".kwllllllllllllllllllllllllllgk.",
    ".kwlkkkkkkkkkkkkkkkkkkkkkkkklgk.",
    ".kwlknnnnnnnnnyyyynnnnnnnnnklgk.",
    ".kwlknnnnnnnnyyyyyynnnnnnnnklgk.",
    ".kwlknnnnnnnnyyyyyynnnnnnnnklgk.",
    ".kwlkbbbbbwwwyyyyyywwwbbbbbklgk.",
    ".kwlkbbbbbbwwwoooowwwbbbbbbklgk.",
    ".kwlkbbbbbbwwwboobwwwbbbbbbklgk.",
    ".kwlkbbbbbbbwwwbbwwwbbbbbbbklgk.",
    ".kwlkbbbbbbbwwwbbwwwbbbbbbbklgk.",
    ".kwlkccccccccwwwwwwccccccccklgk.",
    ".kwlkcccccccccwwwwcccccccccklgk.",
    ".kwlkcccccccccwwwwcccccccccklgk.",
    ".kwlkccccccccccwwccccccccccklgk.",
    ".kwlkccccccccccccccccccccccklgk.",
    ".kwlkkkkkkkkkkkkkkkkkkkkkkkklgk.",
    ".kwlknnbbbcccwwyyyoooppppvvklgk.",
    ".kwlknnbbbcccwwyyyoooppppvvklgk.",
    ".kwlkkkkkkkkkkkkkkkkkkkkkkkklgk.",
    ".kwllllllllllllllllllllllGGllgk.",
    ".kggggggggggggggggggggggggggggk.",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "............kwllllgk............",
    "............kwllllgk............",
    "............kggggggk............",
    "........kkkkkkkkkkkkkkkk........",
    ".......kwwwwwwwwwwwwwwwlk.......",
    ".......kggggggggggggggggk.......",
    "........kkkkkkkkkkkkkkkk........",
]
PROGRAM_LEGEND = legend(
    n="#10286E",   # night-blue top of the sky
    b="#2A5CB8",
    c="#5A9AE0",
    y="#FFD23A",   # sun
    o="#F08A2A",
    p="#E8567A",   # band colours
    v="#7A3AA8",
    G="#20C020",   # power light
)

# Load image: an open folder.
OPEN = [
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kwYYYk..........",
    "kYyyyykkkkkkk...",
    "kYyyyyyyyyyyk...",
    "kYyyyyyyyyyyk...",
    "kYyykkkkkkkkkkkk",
    "kYykYYYYYYYYYYk.",
    "kykYYYYYYYYYok..",
    "kkYYYYYYYYYok...",
    "kkkkkkkkkkkk....",
    "................",
    "................",
    "................",
]
FOLDER = dict(Y="#FFF0A0", y="#E8B830", o="#A87818")

# Save changes and exit: a floppy disk.
SAVE = [
    "................",
    ".kkkkkkkkkkkkk..",
    ".kNwwwwwwwwwnnk.",
    ".kNwgggggggwnnnk",
    ".kNwwwwwwwwwnnnk",
    ".kNwgggggggwnnnk",
    ".kNwwwwwwwwwnnnk",
    ".kNnnnnnnnnnnnnk",
    ".kNnnnnnnnnnnnnk",
    ".kNnnllllllllnnk",
    ".kNnnllnnllllnnk",
    ".kNnnllnnllllnnk",
    ".kNnnllnnllllnnk",
    ".kNnnllllllllnnk",
    ".kkkkkkkkkkkkkkk",
    "................",
]
FLOPPY = dict(n="#1C2C80", N="#4860C0")

# Delete image: a red cross.
DELETE = [
    "................",
    "................",
    "..RRR......RRR..",
    "..RprR....RprR..",
    "..RrrrR..RrrrR..",
    "...RrrrRRrrrR...",
    "....RrrrrrrR....",
    ".....RrrrrR.....",
    ".....RrrrrR.....",
    "....RrrrrrrR....",
    "...RrrrRRrrrR...",
    "..RrrrR..RrrrR..",
    "..RrrR....RrrR..",
    "..RRR......RRR..",
    "................",
    "................",
]
CROSS = dict(r="#E01818", R="#800000", p="#FF8080")

# Find: a magnifying glass.
FIND = [
    "................",
    "....kkkkk.......",
    "..kkwwcccKk.....",
    ".kwwcccccccK....",
    ".kwcccccccCK....",
    "kwccccccccCCK...",
    "kcccccccccCCK...",
    "kcccccccccCCK...",
    "kccccccccCCCK...",
    ".KcccccCCCCK....",
    ".KCcCCCCCCKBk...",
    "..KKCCCCKKBBBk..",
    "....KKKKk.kBBBk.",
    "...........kBBBk",
    "............kBBk",
    ".............kk.",
]
LENS = dict(c="#B8E8FF", C="#70B8E0", K="#303848", B="#8A5A30")

# Restore originals: an arrow turning back on itself.
RESTORE = [
    "................",
    "................",
    ".....DDDDD......",
    "...DDGGGGGDD....",
    "..DGGDDDDDGGD...",
    ".DGGD.....DGGD..",
    ".DGD.....DDGGDDD",
    ".DGD.....DGGGGGD",
    ".DGD......DGGGD.",
    ".DGD.......DGD..",
    ".DGGD.......D...",
    "..DGGD...DD.....",
    "...DGGDDDGGD....",
    "....DDGGGGGD....",
    "......DDDDD.....",
    "................",
]
ARROW = dict(G="#30B030", D="#105810")

# Library category "Standard screens": a folder holding a screen.
CATEGORY_STANDARD = [
    "................",
    "................",
    ".kkkk...........",
    "kwYYYkkkkkkkkkk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyykkkkkkkkk",
    "kYyyyyykwbuubwk.",
    "kYyyyyykbwuuwbk.",
    "kYyyyyykbbwwbbk.",
    "kooooookcccccck.",
    "kkkkkkkkkkkkkkk.",
    "................",
    "................",
]
STANDARD = dict(FOLDER, b="#2A5CB8", u="#FFD23A", c="#5A9AE0")

# Library category "User imports": a folder with an arrow going in.
CATEGORY_USER = [
    "..........DGGD..",
    "..........DGGD..",
    "..........DGGD..",
    ".kkkk...DGGGGGGD",
    "kwYYYkkkkDGGGGD.",
    "kYyyyyyyyyDGGDk.",
    "kYyyyyyyyyyDDyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kYyyyyyyyyyyyyk.",
    "kooooooooooooook",
    "kkkkkkkkkkkkkkkk",
    "................",
    "................",
]
USER = dict(FOLDER, G="#30B030", D="#105810")

# A library file: a picture document.
FILE = [
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwklk...",
    "..kwwwwwwwkllk..",
    "..kwwwwwwwkkkkk.",
    "..kwbbbbbbbbwwk.",
    "..kwbbbbbbyywwk.",
    "..kwbbbbbyyyywk.",
    "..kwbbbbbbyywwk.",
    "..kwbddbbbbbbwk.",
    "..kwddddbbbddwk.",
    "..kwddddddddddk.",
    "..kwwwwwwwwwwwk.",
    "..kwglglglglgwk.",
    "..kwwwwwwwwwwwk.",
    "..kkkkkkkkkkkkk.",
]
PICTURE = dict(b="#4A90E0", y="#FFD23A", d="#30A030")

# Drag icon while carrying: a hand holding a sheet with a picture on it.
CARRY = [
    "................................",
    "....kkkkkkkkkkkkkk..............",
    "....kwwwwwwwwwwwwkk.............",
    "....kwwwwwwwwwwwwklk............",
    "....kwwwwwwwwwwwwkllk...........",
    "....kwwwwwwwwwwwwkkkkk..........",
    "....kwwwwwwwwwwwwwwwwk..........",
    "....kwwbbbbbbbbbbbbwwk..........",
    "....kwwbbbbbbbbyybbwwk..........",
    "....kwwbbbbbbbyyyybwwk..........",
    "....kwwbbbbbbbbyybbwwk..........",
    "....kwwbbddbbbbbbbbwwk..........",
    "....kwwbddddbbbbddbwwk..........",
    "....kwwddddddddddddwwk..........",
    "....kwwddddddddddddwwk..........",
    "....kwwwwwwwwwwkkwwwwk..........",
    "....kwwlllllllkSSkllwk..........",
    "....kwwwwwwwwwwkSSkwwk..........",
    "....kwwllllllllwkSSkwk..........",
    "....kwwwwwwwwwwwwkSSkk..........",
    "....kkkkkkkkkkkkkkkSSSk.........",
    "...........kSSSSSSSSSSSSkk......",
    "...........kSSSSSSSSSSSSSSk.....",
    "............kkkkkkkkSSSSSSsk....",
    ".............kSSSSSSSSSSSSsk....",
    ".............kSSSSSSSSSSSkkNNkk.",
    "..............kkkkkkkSSsknNnnnk.",
    "...............kSSSSSSskNnnnnnnk",
    "................kkkkkkkkknnnnnnk",
    "........................knnnnnnk",
    ".........................knnnnnk",
    ".........................kkkkkkk",
]
HAND = dict(S="#F6C89A", s="#D08E5C", n="#283C8C", N="#4C68C0")
CARRY_LEGEND = legend(b="#5AA0E8", y="#FFD23A", d="#3C9A3C", **HAND)

DROP = [
    "...........kkkkkkkkkkkk.........",
    "...........knnnnnnnnnnk.........",
    "...........kNNNNNNNNNNk.........",
    "..........kkkkkkkkkkkkkkk.......",
    "..........kSSSSSSSSSSSSSSkkk....",
    "..........kSSSSSSSSSSSSSSSSSk...",
    ".........kSSSSSSSSSSSSSSSSSsk...",
    "........kSSSkSSSSSSSSSSSSskkk...",
    "........kSSk.kSSkSSSSkSSsk......",
    ".......kSSskkSSk.kSsk.kSSk......",
    "......kSSsk.kSsk.kSsk.kSSsk.....",
    "......kSsk..kSsk.kSsk..kSsk.....",
    "......kkkk..kSsk.kSsk...kk......",
    "............kkk...kkk...........",
    ".........kkkkkkkkkkkkkk.........",
    ".........kwwwwwwwwwwwwk.........",
    ".........kwbbbbbbbbbbwk.........",
    ".........kwbbbbbbyybbwk.........",
    ".........kwbbbbbbyybbwk.........",
    ".....kkkkkwbbbbbbbbbbwkkkkk.....",
    "....kttttkwddddbbbbbbwkttttk....",
    "....kttttkwddddddddddwkttttk....",
    "...ktttttkwwwwwwwwwwwwktttttk...",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "..kWWWWWWWWWWWWWWWWWWWWWWWWWWk..",
    "..kTTTTTTTTTTTTTTTTTTTTTTTTTTk..",
    "..kTTTTTTTTTTTTTTTTTTTTTTTTTTk..",
    "..kTTTTTTTTTTTTTTTTTTTTTTTTTTk..",
    "..kTTTTTTTTTTTTTTTTTTTTTTTTTTk..",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "................................",
    "................................",
]

DROP_LEGEND = legend(b="#5AA0E8", y="#FFD23A", d="#3C9A3C", t="#6A4A2A", T="#A87A48",
                     W="#D8B080", **HAND)

ICONS = {
    # name: (rows, legend, hot spot or None)
    "program": (PROGRAM, PROGRAM_LEGEND, None),
    "open": (OPEN, legend(**FOLDER), None),
    "save": (SAVE, legend(**FLOPPY), None),
    "delete": (DELETE, legend(**CROSS), None),
    "find": (FIND, legend(**LENS), None),
    "restore": (RESTORE, legend(**ARROW), None),
    "category_standard": (CATEGORY_STANDARD, legend(**STANDARD), None),
    "category_user": (CATEGORY_USER, legend(**USER), None),
    "file": (FILE, legend(**PICTURE), None),
    "carry": (CARRY, CARRY_LEGEND, (12, 11)),
    "drop": (DROP, DROP_LEGEND, (16, 18)),
}
