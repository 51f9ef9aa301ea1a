#pragma once

#include "PlayedWindow.h"
#include "board/Geometry.h"
#include "platform/drawing/Surface.h"
#include "window/Game.h"

#include <QGuiApplication>
#include <QSize>
#include <QString>

#include <initializer_list>

// The scripted desktop with the computer's numbers queued ahead.
struct BenchPlatform : ScriptedPlatform
{
    float Rnd() override
    {
        if (Randoms.empty())
            return ScriptedPlatform::Rnd();
        ++RandomsDrawn;
        const float next = Randoms.front();
        Randoms.pop_front();
        return next;
    }

    std::deque<float> Randoms;
};

// A game on a drawing area of the window's size, without the window.
struct Table
{
    // The screen's device pixel ratio, as the real window takes it.
    explicit Table(const QString& windowAnswer = QStringLiteral("1919"))
        : board(DrawingArea, Background, qGuiApp ? qGuiApp->devicePixelRatio() : 1)
        , game(board, desktop)
    {
        desktop.Answers.push_back(windowAnswer);
        game.AskWindowSize();
    }

    // A new game with the given board-size answer, two players unless
    // mode says otherwise.
    void NewGame(const QString& sizeAnswer, const QString& mode = QString())
    {
        desktop.Answers.push_back(sizeAnswer);
        desktop.Answers.push_back(mode);
        game.NewGame();
    }

    // Draws stones as PlaceStone does, without the rules after it.
    void Put(Color stone, std::initializer_list<Intersection> points)
    {
        for (const Intersection& p : points) {
            game.State.WhiteToMove = stone == White;
            game.PlaceStone(p.Col, p.Row);
        }
    }

    Color Probe(int column, int row) const { return ProbeColorAt(board, column, row); }
    Color Crossing(int column, int row) const { return CrossingColorAt(board, column, row); }

    BenchPlatform desktop;
    Surface board;
    Game game;
};
