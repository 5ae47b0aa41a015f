"""Приветствия на разных языках."""

import sys

GREETINGS = {
    "ru": "Здравствуй, мир!",
    "ja": "こんにちは世界",
    "de": "Hallo, Welt!",
}


def greet(language):
    # Неизвестный язык: по-английски.
    return GREETINGS.get(language, "Hello, world!")


if __name__ == "__main__":
    print(greet(sys.argv[1]))
