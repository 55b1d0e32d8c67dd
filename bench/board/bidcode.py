"""The bid code's layout, for making codes in benchmarks (the game's own table is in
game/bidcode.cpp; the board's tests check codes made by the engine itself)."""
BLOCKS = [2, 30, 10, 20, 16, 6, 9, 36, 1]
LAYOUT = [('B', 1), ('S', 5), ('B', 2), ('S', 1), ('B', 3), ('S', 4), ('B', 4), ('S', 8),
          ('B', 7), ('S', 10), ('B', 5), ('S', 2), ('B', 6), ('S', 7), ('S', 6), ('B', 8),
          ('S', 3), ('C', 0), ('S', 9), ('B', 9)]


def mirror(c):
    return chr(105 - ord(c))


def code(score, rng):
    s = str(score).rjust(10, '0')
    blocks = [''.join(rng.choice('0123456789') for _ in range(n)) for n in BLOCKS]
    out = ''
    for kind, n in LAYOUT:
        if kind == 'B':
            out += blocks[n - 1]
        elif kind == 'S':
            out += mirror(s[n - 1])
        else:
            out += ''.join(mirror(c) for c in ''.join(blocks[:6]))
    return out
