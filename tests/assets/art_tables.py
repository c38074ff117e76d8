"""What the game expects to find among its resources: the bitmaps with
their sizes and colour depths, the icon numbers, the sounds with their
sample rates and the category names. Shared by the artwork test and the
check of the linked program."""

# name or number -> (width, height, bits per pixel)
BITMAPS = {
    'opening': (559, 186, 8),
    'scene2': (559, 186, 8),
    'scene2bit': (208, 75, 8),
    'skybit': (29, 27, 24),
    'STAND': (129, 78, 1),
    'WAGON': (57, 47, 1),
    'current': (561, 39, 8),
    'cumulative': (561, 39, 8),
    'arrow': (13, 26, 4),
    'NEWLETTERS': (601, 93, 8),
    'macweave': (8, 8, 8),
}
BITMAPS.update({'WEAVE%d' % n: (8, 8, 4) for n in range(1, 8)})
BITMAPS.update({m + c: (20, 20, 4) for m in ('happy', 'sad', 'neutral')
                for c in ('red', 'green', 'blue')})
# Numbered pictures of the dialogs; their sizes are the artwork's choice.
NUMBERED_BITMAPS = {134: 8, 137: 8, 153: 8, 220: 8}

# Icon groups; each must hold a 32 x 32 image in 16 colours.
ICON_GROUPS = [128, 129] + list(range(155, 219))
# The window class icons carry a 16 x 16 image as well, and true-colour
# images with alpha for today's screens at these sizes (32 bits per pixel).
SMALL_ICON_GROUPS = [128, 129]
DEEP_ICON_SIZES = {128: [24, 32, 48, 256], 129: [24, 32, 48]}

SOUND_RATES = {name: 11025 for name in (
    ['GOTLETTER'] + ['GOTLETTER%d' % i for i in range(2, 7)] +
    ['MISSLETTER'] + ['MISSLETTER%d' % i for i in range(2, 11)] +
    ['WINGAME', 'WINGAME2', 'LOSEGAME', 'LOSEGAME2', 'LOSEGAME3', 'LOSEGAME4',
     'FOUR', 'SIX', 'TEN', 'TWELVE', 'GASP', 'SCOREIN', 'SCOREOUT', 'UP', 'DOWN',
     'GUESSCLICK', 'FACECLICK', 'GETNAME'])}
SOUND_RATES.update({'EIGHT': 11127, 'FLASHCLICK': 22254, 'SHOWLETTER': 22254,
                    'DOORDROP': 22255})

CATEGORIES = [
    'ANATOMY', 'ANIMALS', 'ARTISTS', 'ASTRONOMY', 'AUTHORS', 'BASEBALLTEAMS',
    'BASKETBALLTEAMS', 'BESTACTORS', 'BESTACTRESSES', 'BESTPICTURES', 'BIRDS', 'BOOKS',
    'CANADA', 'CARS', 'CARTOONSANDCOMICS', 'CHRISTMAS', 'CITIES', 'COLORS', 'COMPOSERS',
    'COMPUTERBUZZWORDS', 'CONSTELLATIONS', 'COUNTRIES', 'DESSERTS', 'DINOSAURS',
    'FOOTBALLTEAMS', 'FRUITS', 'HARDWORDS', 'HOCKEYTEAMS', 'INSECTS', 'ISLANDS',
    'MAGAZINES', 'MONSTERS', 'MUSICALINSTRUMENTS', 'MYTHOLOGY', 'OPERAS', 'PLANETS',
    'PRESIDENTS', 'RELIGION', 'ROCKNROLL', 'ROCKSANDMINERALS', 'SHAKESPEARE', 'STARTREK',
    'STATECAPITALS', 'STATES', 'STREETSIGNS', 'TELEVISIONSHOWS', 'TOOLS', 'TREES',
    'VEGETABLES', 'VICEPRESIDENTS', 'WEATHER',
]
