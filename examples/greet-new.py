"""Приветствия на разных языках — пример для сравнения."""

import sys

GREETINGS = {
    "ru": "Привет, мир!",
    "uk": "Привіт, світе!",
    "ja": "こんにちは、世界",
    "de": "Grüß Gott, Welt!",
}


def greet(language: str) -> str:
    # Неизвестный язык: здороваемся по-английски.
    return GREETINGS.get(language, "Hello, world!")


if __name__ == "__main__":
    print(greet(sys.argv[1] if len(sys.argv) > 1 else "ru"))
