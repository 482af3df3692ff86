from typing import Any, Literal, Optional, TypedDict, Union

import pandas

Value = Union[float, int, str, None]

class Message(TypedDict):
    title: str
    text: str

class WindowAnswer(TypedDict):
    status: Literal["solved", "refused"]
    captions: dict[str, str]
    messages: list[Message]

class ReportValue(TypedDict):
    value: Optional[float]
    text: str

class Report(TypedDict):
    triangles: list[dict[str, ReportValue]]
    shown: Optional[int]
    consistent: bool
    note: Optional[str]
    why: str
    working: list[str]
    precision_bits: int

def window_solve(kind: Literal["right", "oblique"], X: Value = ..., Y: Value = ...,
                 Z: Value = ..., A: Value = ..., B: Value = ..., *, obtuse: bool = ...,
                 notation: Literal["decimal", "dms"] = ..., places: int = ...) -> WindowAnswer: ...
def report(kind: Literal["right", "oblique"], X: Value = ..., Y: Value = ..., Z: Value = ...,
           A: Value = ..., B: Value = ..., *, obtuse: bool = ...,
           notation: Literal["decimal", "dms"] = ..., places: int = ...) -> Report: ...
def solve_any(places: int = ..., **measures: Value) -> Report: ...
def solve_frame(frame: pandas.DataFrame, *, report: bool = ...,
                jobs: Optional[int] = ...) -> pandas.DataFrame: ...
