"""Prints the first worksheet of an .xlsx file as JSON, as openpyxl reads it:
its title, every non-empty cell (row and column from 0, openpyxl's data
type, the value as Python writes it, the number format) and the column widths."""
import json
import sys

import openpyxl
from openpyxl.utils import get_column_letter

sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
cells = []
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        value = cell.value.date().isoformat() if cell.is_date else repr(cell.value) if cell.data_type == "n" else cell.value
        cells.append([cell.row - 1, cell.column - 1, "d" if cell.is_date else cell.data_type, value, cell.number_format])
widths = [sheet.column_dimensions[get_column_letter(column)].width for column in range(1, sheet.max_column + 1)]
json.dump({"title": sheet.title, "cells": cells, "widths": widths}, sys.stdout, ensure_ascii=False)
