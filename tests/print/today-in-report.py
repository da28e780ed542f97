"""Prints today's date as the report writes it: day with two digits, the month's
name in the genitive, the four-digit year with "г." (07 декабря 2026г.)."""
import datetime

MONTHS = ["января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
          "сентября", "октября", "ноября", "декабря"]
today = datetime.date.today()
print("%02d %s %04dг." % (today.day, MONTHS[today.month - 1], today.year))
