"""python -m olvenir_p: the checker, calling exports by name alone or in a JSON Lines batch."""
import os
import sys


def main():
    checker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "olvenir-check")
    os.execv(checker, [checker] + sys.argv[1:])


if __name__ == "__main__":
    main()
